"""System tests: the built executable, run end to end under Wine in one prefix per session."""
import os
import pathlib
import shutil
import subprocess

import pytest

ROOT = pathlib.Path(__file__).resolve().parents[2]
BUILD = ROOT / "build"
# The 64-bit build of the same sources starts in a tenth of a second; the 32-bit release
# file needs Wine's 32-bit loader, which runs under emulation where the kernel has no
# 32-bit support, and is therefore exercised by a few tests only.
TEST_BUILD = BUILD / "windows-x64" / "BrenzPlayerUpdateService.exe"
RELEASE_BUILD = BUILD / "windows" / "BrenzPlayerUpdateService.exe"
# Wine hands only the low eight bits of an exit code to its Unix caller; this helper passes
# the whole code on through a file.
EXIT_CODE_RUNNER = BUILD / "windows-x64" / "tests" / "tools" / "exit_code_runner.exe"


def windows_path(path):
    """The Wine name of a host path (drive Z: is the host's root)."""
    path = pathlib.PurePosixPath(path)
    return "Z:" + str(path).replace("/", "\\") if path.is_absolute() else str(path)


class Program:
    """One build of the program and where it sees the machine's folders."""

    def __init__(self, wine, exe, system_folder):
        self.wine = wine
        self.exe = exe
        self.settings_folder = wine.prefix / "drive_c" / "windows" / system_folder / "Quenrith" / "Brenz"
        self.settings_file = self.settings_folder / "vgc.cfg"

    def run(self, *arguments, cwd):
        """Runs the program; returns its exit code and what it printed."""
        return self.wine.run(self.exe, *arguments, cwd=cwd)


class Wine:
    def __init__(self, prefix):
        self.prefix = prefix
        self.env = dict(os.environ, WINEPREFIX=str(prefix), WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=")

    def run(self, exe, *arguments, cwd, timeout=600):
        # The output goes through a file: Wine's background processes keep pipes open.
        output_file = cwd / ".program-output"
        code_file = cwd / ".program-exit-code"
        with open(output_file, "wb") as output:
            subprocess.run([str(ROOT / "scripts" / "wine-run.sh"), str(EXIT_CODE_RUNNER),
                            windows_path(code_file), windows_path(exe), *arguments],
                           cwd=cwd, env=self.env, stdin=subprocess.DEVNULL, stdout=output,
                           stderr=subprocess.STDOUT, timeout=timeout, check=True)
        text = output_file.read_bytes()
        output_file.unlink()
        code = int(code_file.read_text())
        code_file.unlink()
        return code, text


@pytest.fixture(scope="session")
def wine():
    prefix = BUILD / "system-prefix"
    subprocess.run([str(ROOT / "scripts" / "wine-prefix.sh"), "create", str(prefix)], check=True,
                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    yield Wine(prefix)
    subprocess.run([str(ROOT / "scripts" / "wine-prefix.sh"), "stop", str(prefix)],
                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def _program(wine, exe, system_folder):
    if not exe.exists():
        pytest.fail(f"{exe} is not built; run the build first")
    program = Program(wine, exe, system_folder)
    shutil.rmtree(program.settings_folder, ignore_errors=True)
    program.settings_folder.mkdir(parents=True)
    return program


@pytest.fixture
def program(wine):
    """The 64-bit test build; its system folder is system32."""
    yield _program(wine, TEST_BUILD, "system32")


@pytest.fixture
def release_program(wine):
    """The 32-bit release file; on 64-bit Windows its system folder is syswow64."""
    yield _program(wine, RELEASE_BUILD, "syswow64")


@pytest.fixture
def workdir(tmp_path):
    """A current folder for the program that holds the install log's folder."""
    (tmp_path / "Quenrith" / "Brenz").mkdir(parents=True)
    return tmp_path


def read_log(workdir):
    path = workdir / "Quenrith" / "Brenz" / "BrenzInstall.log"
    return path.read_bytes() if path.exists() else b""
