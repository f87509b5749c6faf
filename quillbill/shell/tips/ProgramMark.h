#pragma once

class QIcon;
class QLabel;

namespace quillbill {

// The program's mark: a large "$" in Arial Black, on the splash and in the
// about box.
QLabel* makeProgramMark();

// The same mark as the program's window icon.
QIcon programIcon();

} // namespace quillbill
