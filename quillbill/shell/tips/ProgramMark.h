#pragma once

class QLabel;

namespace quillbill {

// The program's mark: a large "$" in Arial Black, on the splash and in the
// about box.
QLabel* makeProgramMark();

} // namespace quillbill
