// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

/// What the desktop shell is asked to open, and how.
struct ShellTarget
{
    enum class Kind {
        Program, ///< an executable file, started in the working folder
        Document, ///< any other existing file or folder, opened with its default application
        Address, ///< a web or mail address, opened with the default application for it
        Nothing, ///< neither: there is nothing to open
    };
    Kind kind = Kind::Nothing;
    QString location; ///< the file's absolute path, or the address
};

/// Looks at a reminder's program text: an address with a scheme (or starting with "www."),
/// a file (a relative one is looked for in the working folder), or a bare program name on the
/// search path. A missing file is not guessed to be a web address.
ShellTarget shellTargetOf(const QString &target, const QString &workingFolder);
