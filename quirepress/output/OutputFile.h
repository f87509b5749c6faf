#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

namespace quirepress::detail {

// The file a text, HTML or CSV run writes: opened once and kept open and
// buffered for the run, every line ended by carriage return and line feed,
// in UTF-8. A failure to open or to write is an Error (75), never lost.
class OutputFile {
public:
    // `byteOrderMark`: a new file starts with the UTF-8 byte-order mark, by
    // which browsers and spreadsheets know the encoding.
    OutputFile(const QString& path, bool byteOrderMark);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Appends the lines. After close() each call opens the file, adds its
    // lines at the end and closes it again, so that they are on disk at once.
    void writeLines(const QStringList& lines);
    // Writes out what is buffered and closes the file.
    void close();

private:
    void open();
    [[noreturn]] void fail(const QString& what);

    QFile file_;
    bool byteOrderMark_;
    bool keepOpen_ = true;
};

} // namespace quirepress::detail
