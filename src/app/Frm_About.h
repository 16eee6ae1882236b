// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/RecordWindow.h"

/// The about box: the program's name, version and legal notice.
class Frm_About final : public RecordWindow
{
    Q_OBJECT
public:
    Frm_About(AppContext &app, QWidget *owner);
};
