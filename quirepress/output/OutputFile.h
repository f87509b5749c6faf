#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringEncoder>
#include <QStringView>

namespace quirepress::detail {

// The file a text, HTML or CSV run writes: opened once and kept open for the
// run, its lines encoded as UTF-8 straight into a buffer of its own and
// ended by carriage return and line feed. A failure to open or to write is
// an Error (75), never lost.
class OutputFile {
public:
    // `byteOrderMark`: a new file starts with the UTF-8 byte-order mark, by
    // which browsers and spreadsheets know the encoding.
    OutputFile(const QString& path, bool byteOrderMark);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Appends `line` followed by `suffix` as one line. After close() each
    // call opens the file, adds the line at its end and closes it again, so
    // that it is on disk at once.
    void writeLine(QStringView line, QStringView suffix = {});
    // Writes out what is buffered and closes the file.
    void close();

private:
    void open();
    void append(QStringView text);
    void drain();
    [[noreturn]] void fail(const QString& what);

    QFile file_;
    bool byteOrderMark_;
    bool keepOpen_ = true;
    QByteArray buffer_;
    QStringEncoder encoder_{QStringEncoder::Utf8};
};

} // namespace quirepress::detail
