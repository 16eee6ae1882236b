// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class Orrisday;

/// The about box: the program's name, version and legal notice.
class Frm_About final : public QWidget
{
    Q_OBJECT
public:
    Frm_About(Orrisday &app, QWidget *owner);
};
