// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace quillbill::HelpTopics {

// The guide's page about the window that holds `widget`: the nearest
// window, going out from `widget`, that the guide has a page for. A main
// window that holds child windows stands for its active child. Empty when
// no window on the way has a page.
QString pageFor(const QWidget* widget);

// Every page that F1 can ask for.
QStringList allPages();

} // namespace quillbill::HelpTopics
