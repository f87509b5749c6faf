// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "mail/MimeMessage.h"

#include <QLocale>
#include <QTimeZone>

namespace quillbill::mail {

namespace {

constexpr qsizetype maxLineLength = 78;
// Base64 and quoted-printable lines stay at the 76 characters RFC 2045 allows.
constexpr qsizetype encodedLineLength = 76;
// UTF-8 bytes per RFC 2047 encoded word: 39 bytes make 52 base64 characters,
// so "=?UTF-8?B?...?=" is 64 long and fits after "Subject: " on one line.
constexpr qsizetype encodedWordBytes = 39;

const QByteArray crlf = QByteArrayLiteral("\r\n");

// Header values are one line: a line break typed into a subject or address
// would otherwise start a header of its own.
QString singleLine(const QString& text)
{
    QString line = text;
    for (QChar& ch : line) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7f)
            ch = QLatin1Char(' ');
    }
    return line;
}

bool isPrintableAscii(const QString& text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x20 || ch.unicode() > 0x7e)
            return false;
    }
    // "=?" would be read back as the start of an encoded word.
    return !text.contains(QLatin1String("=?"));
}

// Folds printable ASCII at spaces so that lines keep to 78 characters where
// the words allow it.
QByteArray foldPlain(const QString& text, qsizetype headerNameLength)
{
    const QList<QByteArray> words = text.toLatin1().split(' ');
    QByteArray folded;
    qsizetype lineLength = headerNameLength;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i > 0) {
            if (lineLength + 1 + words[i].size() > maxLineLength) {
                folded += crlf;
                lineLength = 0;
            }
            folded += ' ';
            ++lineLength;
        }
        folded += words[i];
        lineLength += words[i].size();
    }
    return folded;
}

bool isUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

QByteArray encodeHeaderText(const QString& text, qsizetype headerNameLength)
{
    const QString line = singleLine(text);
    if (isPrintableAscii(line))
        return foldPlain(line, headerNameLength);

    // Each encoded word must hold whole characters (RFC 2047 section 5), so
    // a chunk never ends inside a UTF-8 sequence.
    const QByteArray utf8 = line.toUtf8();
    QByteArray encoded;
    qsizetype start = 0;
    while (start < utf8.size()) {
        qsizetype end = std::min(start + encodedWordBytes, utf8.size());
        while (end < utf8.size() && end > start + 1 && isUtf8Continuation(utf8[end]))
            --end;
        if (start > 0)
            encoded += "\r\n ";
        encoded += "=?UTF-8?B?" + utf8.mid(start, end - start).toBase64() + "?=";
        start = end;
    }
    return encoded;
}

QByteArray quotedDisplayName(const QString& name)
{
    QString escaped = name;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return '"' + escaped.toLatin1() + '"';
}

// The text of a quoted string typed as a display name: without its quotes
// and with each backslash pair read as the character it protects, so that
// quoting it again does not double the backslashes.
QString unquoted(const QString& quoted)
{
    QString text;
    for (qsizetype i = 1; i < quoted.size() - 1; ++i) {
        if (quoted[i] == QLatin1Char('\\') && i + 1 < quoted.size() - 1)
            ++i;
        text += quoted[i];
    }
    return text;
}

// "Name <address>" with the name encoded when it is not plain ASCII.
QByteArray headerAddress(const QString& address, qsizetype headerNameLength)
{
    const QString line = singleLine(address).trimmed();
    const qsizetype open = line.lastIndexOf(QLatin1Char('<'));
    if (open <= 0 || !line.endsWith(QLatin1Char('>')))
        return line.toUtf8();

    QString name = line.left(open).trimmed();
    if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
        name = unquoted(name);
    const QByteArray angleAddress = line.mid(open).toUtf8();
    if (name.isEmpty())
        return angleAddress;
    const QByteArray encodedName =
        isPrintableAscii(name) ? quotedDisplayName(name) : encodeHeaderText(name, headerNameLength);
    return encodedName + ' ' + angleAddress;
}

QByteArray header(const QByteArray& name, const QByteArray& value) { return name + ": " + value + crlf; }

QByteArray encodeQuotedPrintable(const QString& text)
{
    QString normalized = text;
    normalized.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalized.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QList<QByteArray> lines = normalized.toUtf8().split('\n');

    QByteArray encoded;
    for (qsizetype l = 0; l < lines.size(); ++l) {
        if (l > 0)
            encoded += crlf;
        const QByteArray& line = lines[l];
        qsizetype lineLength = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const auto byte = static_cast<unsigned char>(line[i]);
            const bool lastOfLine = i == line.size() - 1;
            // Whitespace at the end of a line may be stripped on the way, so
            // it is only left bare where a character follows it.
            const bool literal =
                (byte >= 33 && byte <= 126 && byte != '=') || ((byte == ' ' || byte == '\t') && !lastOfLine);
            const QByteArray token = literal ? QByteArray(1, static_cast<char>(byte))
                                             : '=' + QByteArray(1, static_cast<char>(byte)).toHex().toUpper();
            // One place is kept for the "=" of a soft line break.
            if (lineLength + token.size() > encodedLineLength - 1) {
                encoded += "=\r\n";
                lineLength = 0;
            }
            encoded += token;
            lineLength += token.size();
        }
    }
    return encoded;
}

QByteArray base64Lines(const QByteArray& bytes)
{
    const QByteArray base64 = bytes.toBase64();
    QByteArray lines;
    lines.reserve(base64.size() + base64.size() / encodedLineLength * 2 + 2);
    for (qsizetype start = 0; start < base64.size(); start += encodedLineLength)
        lines += base64.mid(start, encodedLineLength) + crlf;
    return lines;
}

bool isAttributeChar(char ch)
{
    // RFC 2231 attribute-char: what may stand unencoded in an extended value.
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9')
        || QByteArrayView("!#$&+-.^_`|~").contains(ch);
}

// A file name parameter on continuation lines of its own: quoted when it is
// short plain ASCII, else RFC 2231 UTF-8, split into numbered sections so
// that no line runs past 78 characters.
QByteArray fileNameParameter(const QByteArray& parameter, const QString& fileName)
{
    const QString name = singleLine(fileName);
    constexpr qsizetype sectionLength = 60;
    if (isPrintableAscii(name) && name.size() <= sectionLength)
        return ";\r\n " + parameter + '=' + quotedDisplayName(name);

    QList<QByteArray> sections{QByteArrayLiteral("UTF-8''")};
    for (const char byte : name.toUtf8()) {
        const QByteArray piece =
            isAttributeChar(byte) ? QByteArray(1, byte) : '%' + QByteArray(1, byte).toHex().toUpper();
        if (sections.last().size() + piece.size() > sectionLength)
            sections.append(QByteArray());
        sections.last() += piece;
    }
    if (sections.size() == 1)
        return ";\r\n " + parameter + "*=" + sections.first();
    QByteArray value;
    for (qsizetype i = 0; i < sections.size(); ++i)
        value += ";\r\n " + parameter + '*' + QByteArray::number(i) + "*=" + sections[i];
    return value;
}

QByteArray rfc5322Date(const QDateTime& date)
{
    // English day and month names whatever the user's language: the format
    // is fixed by RFC 5322.
    const QByteArray clock = QLocale::c().toString(date, QStringLiteral("ddd, dd MMM yyyy hh:mm:ss")).toLatin1();
    const int offsetMinutes = date.offsetFromUtc() / 60;
    const int absolute = std::abs(offsetMinutes);
    return clock + ' ' + (offsetMinutes < 0 ? '-' : '+')
        + QByteArray::number(absolute / 60 * 100 + absolute % 60).rightJustified(4, '0');
}

QByteArray messageIdDomain(const QString& sender)
{
    const QString address = envelopeAddress(sender);
    const QString domain = address.mid(address.lastIndexOf(QLatin1Char('@')) + 1);
    if (!address.contains(QLatin1Char('@')) || domain.isEmpty() || !isPrintableAscii(domain)
        || domain.contains(QLatin1Char(' ')) || domain.contains(QLatin1Char('>')))
        return QByteArrayLiteral("localhost");
    return domain.toLatin1();
}

} // namespace

QString envelopeAddress(const QString& address)
{
    const QString line = singleLine(address).trimmed();
    const qsizetype open = line.lastIndexOf(QLatin1Char('<'));
    if (open < 0)
        return line;
    const qsizetype close = line.indexOf(QLatin1Char('>'), open);
    return line.mid(open + 1, (close < 0 ? line.size() : close) - open - 1).trimmed();
}

QByteArray buildMimeMessage(const MimeContent& content, const QDateTime& date, const QString& uniquePart)
{
    QByteArray message;
    message += header("From", headerAddress(content.from, 6));
    message += header("To", headerAddress(content.to, 4));
    message += header("Subject", encodeHeaderText(content.subject, 9));
    message += header("Date", rfc5322Date(date));
    message += header("Message-ID", '<' + uniquePart.toLatin1() + '@' + messageIdDomain(content.from) + '>');
    message += header("MIME-Version", "1.0");

    const QByteArray textHeaders =
        header("Content-Type", "text/plain; charset=UTF-8") + header("Content-Transfer-Encoding", "quoted-printable");
    const QByteArray body = encodeQuotedPrintable(content.body);

    if (content.attachment.fileName.isEmpty()) {
        message += textHeaders + crlf + body;
        // The message ends with a line break; a body that already ends with
        // one (or is empty) gets no second, which would add an empty line.
        if (!body.isEmpty() && !body.endsWith(crlf))
            message += crlf;
        return message;
    }

    const QByteArray boundary = "=_Part_" + uniquePart.toLatin1();
    const QByteArray delimiter = "\r\n--" + boundary + crlf;
    const MimeAttachment& attachment = content.attachment;
    message += header("Content-Type", "multipart/mixed;\r\n boundary=\"" + boundary + '"');
    message += crlf;
    message += "This is a multi-part message in MIME format.";
    message += delimiter;
    message += textHeaders + crlf + body;
    message += delimiter;
    message +=
        header("Content-Type", attachment.contentType.toLatin1() + fileNameParameter("name", attachment.fileName));
    message += header("Content-Transfer-Encoding", "base64");
    message += header("Content-Disposition", "attachment" + fileNameParameter("filename", attachment.fileName));
    message += crlf;
    message += base64Lines(attachment.bytes);
    // base64Lines ended the last line, which is the CR LF of the closing
    // delimiter.
    message += "--" + boundary + "--" + crlf;
    return message;
}

} // namespace quillbill::mail
