#pragma once
// The installed version of a flavour as its installer records it; platform-free part.
#include <cstdint>
#include <string>

#include "update/version_info.h"

// Installed versions carry no flavour; 0.0.0.0 means no usable installation.
using InstalledVersion = VersionNumbers;

// Reads dotted text such as "11.4.310.52", up to its first zero character. Each piece between
// dots is read by parseUnsignedDecimal (an empty piece is 0); missing pieces are 0. Text with
// a fifth piece is unusable and gives 0.0.0.0.
InstalledVersion parseInstalledVersionText(const std::wstring& text);

// 1 when a is greater, -1 when smaller, 0 when equal; component by component, as numbers.
int compareVersions(const InstalledVersion& a, const InstalledVersion& b);

// True when `installed` is a usable installation (not 0.0.0.0) older than `offered`.
bool isUpdateNeeded(const VersionInfo& offered, const InstalledVersion& installed);
