"""The administration options and the install log of the built program under Wine."""
import datetime
import re

import pytest

from conftest import read_log

SILENT_FILE = b"AutoUpdateDisable=0\r\nSilentAutoUpdateEnable=1\r\n"


@pytest.mark.parametrize("option", [
    "-SetSilentAutoUpdate", "-setsilentautoupdate", "/setSilentAutoUpdate", "setSilentAutoUpdate",
    "-setSilentAutoUpdate ", "-setSilentAutoUpdat", "-setSilentAutoUpdateX", "-ISSAUENABLED", "-help",
])
def test_inexact_option_runs_nothing_and_exits_0(program, workdir, option):
    program.settings_file.write_bytes(b"SilentAutoUpdateEnable=1\n")
    code, output = program.run(option, cwd=workdir)
    assert code == 0
    assert program.settings_file.read_bytes() == b"SilentAutoUpdateEnable=1\n"
    assert output == b"" and read_log(workdir) == b""


def test_silent_mode_then_query_exits_1001(program, workdir):
    assert program.run("-isSAUEnabled", cwd=workdir)[0] == 0
    assert program.run("-setSilentAutoUpdate", cwd=workdir)[0] == 0
    assert program.settings_file.read_bytes() == SILENT_FILE
    assert program.run("-isSAUEnabled", cwd=workdir)[0] == 1001
    assert program.run("-setDisableAutoUpdate", cwd=workdir)[0] == 0
    assert program.settings_file.read_bytes() == b"AutoUpdateDisable=1\r\nSilentAutoUpdateEnable=0\r\n"
    assert program.run("-isSAUEnabled", cwd=workdir)[0] == 0


def test_notify_mode_rewrites_the_file_keeping_other_keys(program, workdir):
    program.settings_file.write_bytes(
        b"\xef\xbb\xbfSilentAutoUpdateServerDomain=mirror.example\r\n"
        b"this line is a comment\r\nSilentAutoUpdateEnable=1\r\n")
    assert program.run("-setNotifyAutoUpdate", "-setSilentAutoUpdate", cwd=workdir)[0] == 0
    assert program.settings_file.read_bytes() == (
        b"AutoUpdateDisable=0\r\nSilentAutoUpdateEnable=0\r\n"
        b"SilentAutoUpdateServerDomain=mirror.example\r\n")


def test_mode_option_without_settings_folder_creates_nothing(program, workdir):
    program.settings_folder.rmdir()
    assert program.run("-setSilentAutoUpdate", cwd=workdir)[0] == 0
    assert not program.settings_folder.exists()
    assert program.run("-isSAUEnabled", cwd=workdir)[0] == 0


def test_started_by_relative_name_from_its_own_folder(program, workdir):
    program.settings_file.write_bytes(SILENT_FILE)
    code, _ = program.wine.run(program.exe.name, "-isSAUEnabled", cwd=program.exe.parent)
    assert code == 1001


RECORD = re.compile(
    rb"((?:[0-9]\x00){4})-\x00((?:[1-9]\x00)(?:[0-9]\x00)?)-\x00((?:[1-9]\x00)(?:[0-9]\x00)?)\+\x00"
    rb"((?:0\x00|[1-9]\x00(?:[0-9]\x00)?))-\x00((?:0\x00|[1-9]\x00(?:[0-9]\x00)?))-\x00"
    rb"((?:0\x00|[1-9]\x00(?:[0-9]\x00)?))\.\x00((?:0\x00|[1-9]\x00(?:[0-9]\x00){0,2})) \x00\[\x00"
    rb"((?:[a-z]\x00)+)\]\x00 \x00((?:[^\r]\x00)*)\r\x00\n\x00")


def records(log):
    """Splits a UTF-16LE log into (time, level, message); fails on any byte out of shape."""
    found, position = [], 0
    while position < len(log):
        match = RECORD.match(log, position)
        assert match, f"malformed record at byte {position}: {log[position:position + 80]!r}"
        fields = [int(match.group(i).decode("utf-16-le")) for i in range(1, 8)]
        time = datetime.datetime(*fields[:6], fields[6] * 1000, tzinfo=datetime.timezone.utc)
        found.append((time, match.group(8).decode("utf-16-le"), match.group(9).decode("utf-16-le")))
        position = match.end()
    return found


def test_verbose_service_start_logs_policy_records_in_utc(program, workdir):
    program.settings_file.write_bytes(
        b"SilentAutoUpdateVerboseLogging=1\r\nSilentAutoUpdateEnable=1\r\n"
        b"SilentAutoUpdateServerDomain=mirror.example\r\n")
    before = datetime.datetime.now(datetime.timezone.utc).replace(microsecond=0)
    code, output = program.run(cwd=workdir)
    after = datetime.datetime.now(datetime.timezone.utc)
    assert code == 0

    log = read_log(workdir)
    assert not log.startswith(b"\xff\xfe")
    found = records(log)
    # The start records came before verbose logging was switched on.
    assert [(level, message) for _, level, message in found] == [
        ("info", "1628 mirror.example"), ("info", "1629 mirror.example"),
        ("info", "1614"), ("info", "1615")]
    for time, _, _ in found:
        assert before <= time <= after
    # The same records were echoed to standard output, each followed by an empty line.
    echoed = output.decode("utf-8")
    assert echoed == "".join(
        log.decode("utf-16-le").replace("\r\n", "\r\n\r\n"))


def test_quiet_service_start_writes_nothing(program, workdir):
    program.settings_file.write_bytes(b"SilentAutoUpdateEnable=1\r\n")
    code, output = program.run(cwd=workdir)
    assert (code, output, read_log(workdir)) == (0, b"", b"")


def test_release_file_sets_and_reports_silent_mode(release_program, workdir):
    """The 32-bit release file itself, in the 32-bit system folder of a 64-bit system."""
    assert release_program.run("-setSilentAutoUpdate", cwd=workdir)[0] == 0
    assert release_program.settings_file.read_bytes() == SILENT_FILE
    assert release_program.run("-isSAUEnabled", cwd=workdir)[0] == 1001
