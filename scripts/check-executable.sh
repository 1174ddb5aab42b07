#!/bin/sh
# Checks the built release executable: a 32-bit console program that needs nothing but system
# DLLs, carries a manifest requesting administrator rights, a version resource and the string
# tables of its two texts in their 16 languages.
#   check-executable.sh FILE [OBJDUMP]
# OBJDUMP is an objdump that reads PE files (the cross toolchain's); plain objdump by default.
set -u
file=${1:?usage: $0 FILE [OBJDUMP]}
objdump=${2:-objdump}
[ -n "$objdump" ] || objdump=objdump

failures=0
fail() {
  echo "check-executable: FAIL: $*" >&2
  failures=$((failures + 1))
}
die() {
  echo "check-executable: FAIL: $*" >&2
  exit 1
}

[ -f "$file" ] || die "$file does not exist"
headers=$("$objdump" -f "$file" 2>&1) || die "$objdump -f cannot read $file: $headers"
private=$("$objdump" -p "$file" 2>&1) || die "$objdump -p cannot read $file: $private"
sections=$("$objdump" -h "$file" 2>&1) || die "$objdump -h cannot read $file: $sections"

# Format: PE32 for i386, console subsystem.
echo "$headers" | grep -q 'file format pei-i386' || fail "not a PE32 i386 file: $(echo "$headers" | grep 'file format')"
echo "$headers" | grep -q 'architecture: i386,' || fail "architecture is not i386"
echo "$private" | grep -Eq '^Magic[[:space:]]+010b' || fail "optional header is not PE32 (magic 010b)"
subsystem=$(echo "$private" | awk '$1 == "Subsystem" { print $2 }')
[ "$subsystem" = 00000003 ] || fail "subsystem is '$subsystem', not 00000003 (Windows console)"

# Imports: DLLs of Windows itself only. The C and C++ runtimes of the compiler are linked in
# statically; a DLL of theirs would be missing on the target machine.
dlls=$(echo "$private" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr '[:upper:]' '[:lower:]')
[ -n "$dlls" ] || fail "no import table found"
for dll in $dlls; do
  case $dll in
    libstdc++*|libgcc*|libwinpthread*|libssp*|libatomic*|libgomp*)
      fail "imports the compiler runtime DLL $dll (link it statically)" ;;
    kernel32.dll|advapi32.dll|user32.dll|shell32.dll|shlwapi.dll|ole32.dll|oleaut32.dll|\
    winhttp.dll|msvcrt.dll|ucrtbase.dll|api-ms-win-*.dll|crypt32.dll|wintrust.dll|version.dll|\
    userenv.dll|rpcrt4.dll|secur32.dll|bcrypt.dll|ntdll.dll|ws2_32.dll|taskschd.dll|mstask.dll)
      ;;
    *) fail "imports $dll, which is not a Windows system DLL" ;;
  esac
done

# Resources: one line "TYPE NAME LANGUAGE RVA SIZE" per leaf of the resource directory, from
# objdump's listing, where the depth of an entry shows in its indentation.
resources=$(echo "$private" | sed -n '/^The .rsrc Resource Directory section/,/^Resources start/p' | awk '
  /Entry: / {
    indent = $0; sub(/^[0-9a-f]+/, "", indent); match(indent, /^ +/); depth = RLENGTH
    if (!(depth in level)) { level[depth] = ++levels }
    id = ($3 == "ID:") ? $4 : "name"; sub(/,$/, "", id)
    key[level[depth]] = id
  }
  / Leaf: Addr: / {
    addr = $4; sub(/,$/, "", addr); size = $6; sub(/,$/, "", size)
    print key[1], key[2], key[3], addr, size
  }')
[ -n "$resources" ] || die "no resource directory found"
count() { echo "$resources" | awk -v t="$1" -v n="$2" '$1 == t && $2 == n' | wc -l; }

# The bytes of resource TYPE NAME (its first language), read from the file at the place that the
# .rsrc section's address and file offset give its data address.
image_base=$(echo "$private" | awk '$1 == "ImageBase" { print "0x" $2 }')
rsrc_address=$(echo "$sections" | awk '$2 == ".rsrc" { print "0x" $4 }')
rsrc_offset=$(echo "$sections" | awk '$2 == ".rsrc" { print "0x" $6 }')
if [ -z "$image_base" ] || [ -z "$rsrc_address" ] || [ -z "$rsrc_offset" ]; then
  die "no .rsrc section or image base found"
fi
resource_bytes() {  # TYPE NAME
  leaf=$(echo "$resources" | awk -v t="$1" -v n="$2" '$1 == t && $2 == n { print $4, $5; exit }')
  address=${leaf% *}
  size=${leaf#* }
  offset=$((address - (rsrc_address - image_base) + rsrc_offset))
  tail -c +$((offset + 1)) "$file" | head -c $((size))
}
utf16_hex() { printf %s "$1" | od -An -tx1 -v | tr -d ' \n' | sed 's/../&00/g'; }

# The application manifest: resource 1 of type 24 (RT_MANIFEST).
manifests=$(count 0x000018 0x000001)
if [ "$manifests" -ne 1 ]; then
  fail "expected one manifest as resource 1 of type 24, found $manifests"
else
  manifest=$(resource_bytes 0x000018 0x000001)
  echo "$manifest" | grep -q 'requestedExecutionLevel[^>]*level="requireAdministrator"' ||
    fail "the manifest does not request the execution level requireAdministrator"
  echo "$manifest" | grep -q 'requestedExecutionLevel[^>]*uiAccess="false"' ||
    fail "the manifest does not set uiAccess=\"false\""
fi

# The version resource: resource 1 of type 16 (RT_VERSION), with its fixed part (signature
# FEEF04BD) and the company and product names.
versions=$(count 0x000010 0x000001)
if [ "$versions" -ne 1 ]; then
  fail "expected one version resource (resource 1 of type 16), found $versions"
else
  version=$(resource_bytes 0x000010 0x000001 | od -An -tx1 -v | tr -d ' \n')
  echo "$version" | grep -q bd04effe || fail "the version resource has no fixed file information"
  echo "$version" | grep -q "$(utf16_hex CompanyName).*$(utf16_hex Kelvo)0000" || fail "the version resource does not name the company Kelvo"
  echo "$version" | grep -q "$(utf16_hex ProductName).*$(utf16_hex 'Kelvo Brenz Player Update Service')0000" ||
    fail "the version resource does not name the product"
fi

# The string tables: blocks 7 (texts 96..111) and 8 (112..127), each in exactly these languages.
expected_languages="0x00001d 0x000404 0x000405 0x000407 0x000409 0x00040c 0x000410 0x000411 0x000412 0x000413 0x000415 0x000416 0x000419 0x00041f 0x000804 0x000c0a"
for block in 0x000007 0x000008; do
  languages=$(echo "$resources" | awk -v b="$block" '$1 == "0x000006" && $2 == b { print $3 }' | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')
  [ "$languages" = "$expected_languages" ] ||
    fail "string block $block has the languages '$languages', expected '$expected_languages'"
done

if [ "$failures" -ne 0 ]; then
  echo "check-executable: $file: $failures check(s) failed" >&2
  exit 1
fi
echo "check-executable: $file: PE32 i386 console program, system imports only, manifest, version resource and string tables in order"
