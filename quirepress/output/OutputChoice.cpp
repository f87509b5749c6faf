// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "output/OutputChoice.h"

namespace quirepress::detail {

namespace {

enum class Form { Text, Html, Csv };

// The names are the combo box items of the output dialog and the text kept
// in the settings, both written by this library, so they are compared as
// they are written.
Form formOf(const QString& fileType)
{
    if (fileType == QLatin1String("HTML"))
        return Form::Html;
    if (fileType == QLatin1String("CSV"))
        return Form::Csv;
    return Form::Text;
}

} // namespace

OutputOptions targetFor(const OutputChoice& choice)
{
    switch (choice.kind) {
    case OutputKind::Screen:
        return cOutputToScreen;
    case OutputKind::Printer:
        return cOutputToPrinter;
    case OutputKind::File:
        switch (formOf(choice.fileType)) {
        case Form::Html:
            return cOutputToHTMLFile;
        case Form::Csv:
            return cOutputToCSVFile;
        case Form::Text:
            break;
        }
        return cOutputToTextFile;
    case OutputKind::Email:
        // The e-mail targets are not in the order of the file targets:
        // HTML and CSV swap places.
        switch (formOf(choice.fileType)) {
        case Form::Html:
            return cOutputToEmailHTML;
        case Form::Csv:
            return cOutputToEmailCSV;
        case Form::Text:
            break;
        }
        return cOutputToEmailText;
    case OutputKind::Pdf:
        return cOutputToPDFFile;
    }
    return cOutputToScreen;
}

QString extensionFor(OutputOptions target)
{
    switch (target) {
    case cOutputToTextFile:
    case cOutputToEmailText:
        return QStringLiteral("txt");
    case cOutputToHTMLFile:
    case cOutputToEmailHTML:
        return QStringLiteral("html");
    case cOutputToCSVFile:
    case cOutputToEmailCSV:
        return QStringLiteral("csv");
    case cOutputToPDFFile:
        return QStringLiteral("pdf");
    case cOutputToUnknown:
    case cOutputToScreen:
    case cOutputToPrinter:
        break;
    }
    return {};
}

} // namespace quirepress::detail
