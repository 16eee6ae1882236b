// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class Shell;

/// Starts a program or opens a document or web address, in the folder of the path. A path that
/// cannot be opened is not reported.
void RunProgram(Shell &shell, const QString &path);
