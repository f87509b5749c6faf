// SPDX-License-Identifier: LGPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "model/ReportDefinition.h"

#include <quirepress/Error.h>
#include <quirepress/Report.h>

#include "model/ProfileFile.h"
#include "model/Report_p.h"
#include "model/Section_p.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>
#include <limits>

namespace quirepress::detail {

namespace {

const QString source = QStringLiteral("Quirepress.LoadReport");
const QString reportSection = QStringLiteral("Report");
constexpr int64_t missingSize = -9999; // "FieldWidth" or "FieldHeight" absent: use the right or bottom edge

QString sectionKey(int i) { return QStringLiteral("Section%1").arg(i); }

QString fieldKey(int i, int j) { return QStringLiteral("Section%1Field%2").arg(i).arg(j); }

QString flag(bool value) { return value ? QStringLiteral("-1") : QStringLiteral("0"); }

// "10", "8.5": a fraction only when there is one, in the user's number format.
QString sizeText(float size)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(static_cast<double>(size), 'g', 7);
}

// Reads the keys of one file section into properties, refusing a number
// that does not fit the property it is meant for.
class Keys {
public:
    Keys(const ProfileReader& file, QString section)
        : file_(file), section_(std::move(section)), at_(file.sectionAt(section_))
    {}

    QString text(const QString& key) const { return file_.textAt(at_, key).value_or(QString()); }

    template <typename Integer>
    Integer number(const QString& key, int64_t fallback = 0) const
    {
        const int64_t value = file_.integerAt(at_, key, fallback);
        if (value < std::numeric_limits<Integer>::min() || value > std::numeric_limits<Integer>::max())
            //: %1 is a section of the report definition file, %2 a key of it, %3 the key's value
            throw Error(6, source,
                        QCoreApplication::translate("quirepress::detail::ReportDefinition", "Overflow: [%1] %2=%3")
                            .arg(section_, key)
                            .arg(value));
        return static_cast<Integer>(value);
    }

    bool flag(const QString& key) const { return file_.integerAt(at_, key, 0) != 0; }

    // "True" or "False" in any letter case, or a number (not 0 is true).
    bool truth(const QString& key) const
    {
        const QString value = file_.textAt(at_, key).value_or(QStringLiteral("False"));
        if (value.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (value.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0)
            return false;
        bool isNumber = false;
        const double number = value.toDouble(&isNumber);
        // "nan" and "inf" are numbers to toDouble(), but no truth value.
        if (!isNumber || !std::isfinite(number))
            //: %1 is a section of the report definition file, %2 a key of it, %3 the key's value
            throw Error(13, source,
                        QCoreApplication::translate("quirepress::detail::ReportDefinition", "Type mismatch: [%1] %2=%3")
                            .arg(section_, key, value));
        return number != 0;
    }

    // The distance from `start` to the edge that `edgeKey` gives, which must
    // fit 32 bits as the edge itself does.
    int32_t extent(const QString& edgeKey, int32_t start) const
    {
        const int64_t distance = int64_t{number<int32_t>(edgeKey)} - start;
        if (distance < std::numeric_limits<int32_t>::min() || distance > std::numeric_limits<int32_t>::max())
            //: %1 is a section of the report definition file, %2 the key of a field's right or bottom edge,
            //: %3 the distance in twips, %4 the field's left or top
            throw Error(6, source,
                        QCoreApplication::translate("quirepress::detail::ReportDefinition",
                                                    "Overflow: [%1] %2 lies %3 away from %4")
                            .arg(section_, edgeKey)
                            .arg(distance)
                            .arg(start));
        return static_cast<int32_t>(distance);
    }

    // A damaged count must not make the reader build sections or fields the
    // file does not hold.
    void mustExist() const
    {
        if (at_ < 0)
            throw Error(5, source,
                        QCoreApplication::translate("quirepress::detail::ReportDefinition",
                                                    "The definition has no [%1] section.")
                            .arg(section_));
    }

private:
    const ProfileReader& file_;
    QString section_;
    qsizetype at_; // in the file, or -1
};

void readField(Section& section, int i, int j, const ProfileReader& file)
{
    const Keys keys(file, fieldKey(i, j));
    keys.mustExist();
    QString name = keys.text(QStringLiteral("FieldName"));
    section.AddField(name);
    // A name taken twice leaves no field at position j: Error 9.
    const std::shared_ptr<Field> field = section.Field(j);
    field->setDefault_Value(keys.text(QStringLiteral("DefaultValue")));
    field->setFont(keys.text(QStringLiteral("Font")));
    field->setSize(static_cast<float>(keys.number<int32_t>(QStringLiteral("Size"))));
    field->setBold(keys.flag(QStringLiteral("Bold")));
    field->setItalics(keys.flag(QStringLiteral("Italics")));
    field->setUnderline(keys.flag(QStringLiteral("Underline")));
    field->setForeColour(keys.number<int32_t>(QStringLiteral("ForeColour")));
    field->setBackColour(keys.number<int32_t>(QStringLiteral("BackColour")));
    field->setJustification(static_cast<Justifications>(keys.number<int32_t>(QStringLiteral("Justification"))));
    field->setFieldTop(keys.number<int32_t>(QStringLiteral("Top")));
    field->setFieldLeft(keys.number<int32_t>(QStringLiteral("FieldLeft")));
    field->setFieldWidth(keys.number<int32_t>(QStringLiteral("FieldWidth"), missingSize));
    if (field->FieldWidth() == missingSize)
        field->setFieldWidth(keys.extent(QStringLiteral("FieldRight"), field->FieldLeft()));
    field->setFieldType(static_cast<FieldTypes>(keys.number<int32_t>(QStringLiteral("FieldType"))));
    field->setValue(field->Default_Value());
    field->setFieldHeight(keys.number<int32_t>(QStringLiteral("FieldHeight"), missingSize));
    if (field->FieldHeight() == missingSize)
        field->setFieldHeight(keys.extent(QStringLiteral("FieldBottom"), field->FieldTop()));
    field->setFieldBox(keys.flag(QStringLiteral("FieldBox")));
    field->setLineWidth(keys.number<int16_t>(QStringLiteral("LineWidth")));
    field->setLimitSize(keys.flag(QStringLiteral("LimitSize")));
    field->setTableNumberRows(keys.number<int16_t>(QStringLiteral("TableNoRows")));
    field->setTableNumberCols(keys.number<int16_t>(QStringLiteral("TableNoCols")));
    field->setTableFirstRowLabel(keys.flag(QStringLiteral("TableRowLabel")));
    field->setTableFirstColLabel(keys.flag(QStringLiteral("TableColLabel")));
    field->setTableMaxColumnWidth(keys.number<int16_t>(QStringLiteral("TableMaxWidth")));
}

} // namespace

void writeDefinition(const Report& report, ProfileWriter& file)
{
    file.section(reportSection);
    file.key(QStringLiteral("GridX"), QString::number(report.GridX()));
    file.key(QStringLiteral("GridY"), QString::number(report.GridY()));
    file.key(QStringLiteral("SectionCount"), QString::number(report.SectionCount()));
    file.key(QStringLiteral("LeftMargin"), QString::number(report.LeftMargin()));
    file.key(QStringLiteral("RightMargin"), QString::number(report.RightMargin()));
    file.key(QStringLiteral("TopMargin"), QString::number(report.TopMargin()));
    file.key(QStringLiteral("BottomMargin"), QString::number(report.BottomMargin()));
    file.key(QStringLiteral("PrinterName"), report.PrinterName());
    file.key(QStringLiteral("Orientation"), QString::number(report.Orientation()));

    for (int i = 1; i <= report.SectionCount(); ++i) {
        const std::shared_ptr<Section> section = report.Section(i);
        file.section(sectionKey(i));
        file.key(QStringLiteral("SectionName"), section->SectionName());
        file.key(QStringLiteral("Height"), QString::number(section->Height()));
        file.key(QStringLiteral("Width"), QString::number(section->Width()));
        file.key(QStringLiteral("FieldCount"), QString::number(section->FieldCount()));
        file.key(QStringLiteral("Footer"), section->Footer() ? QStringLiteral("True") : QStringLiteral("False"));
        // Written only when set: a layout that keeps no section is saved as
        // it always was, and readers that know no such key read it alike.
        if (section->KeepWithNext())
            file.key(QStringLiteral("KeepWithNext"), QStringLiteral("True"));

        for (int j = 1; j <= section->FieldCount(); ++j) {
            const std::shared_ptr<Field> field = section->Field(j);
            file.section(fieldKey(i, j));
            file.key(QStringLiteral("FieldName"), field->FieldName());
            file.key(QStringLiteral("DefaultValue"), field->Default_Value());
            file.key(QStringLiteral("Font"), field->Font());
            file.key(QStringLiteral("Size"), sizeText(field->Size()));
            file.key(QStringLiteral("Bold"), flag(field->Bold()));
            file.key(QStringLiteral("Italics"), flag(field->Italics()));
            file.key(QStringLiteral("Underline"), flag(field->Underline()));
            file.key(QStringLiteral("ForeColour"), QString::number(field->ForeColour()));
            file.key(QStringLiteral("BackColour"), QString::number(field->BackColour()));
            file.key(QStringLiteral("Justification"), QString::number(field->Justification()));
            file.key(QStringLiteral("Top"), QString::number(field->FieldTop()));
            file.key(QStringLiteral("FieldLeft"), QString::number(field->FieldLeft()));
            file.key(QStringLiteral("FieldWidth"), QString::number(field->FieldWidth()));
            file.key(QStringLiteral("FieldType"), QString::number(field->FieldType()));
            file.key(QStringLiteral("FieldHeight"), QString::number(field->FieldHeight()));
            file.key(QStringLiteral("FieldBox"), flag(field->FieldBox()));
            file.key(QStringLiteral("LineWidth"), QString::number(field->LineWidth()));
            file.key(QStringLiteral("LimitSize"), flag(field->LimitSize()));
            file.key(QStringLiteral("TableNoRows"), QString::number(field->TableNumberRows()));
            file.key(QStringLiteral("TableNoCols"), QString::number(field->TableNumberCols()));
            file.key(QStringLiteral("TableRowLabel"), flag(field->TableFirstRowLabel()));
            file.key(QStringLiteral("TableColLabel"), flag(field->TableFirstColLabel()));
            file.key(QStringLiteral("TableMaxWidth"), QString::number(field->TableMaxColumnWidth()));
        }
    }
}

void readDefinition(Report& report, const ProfileReader& file)
{
    for (int i = report.SectionCount(); i >= 1; --i) {
        const std::shared_ptr<Section> section = report.Section(i);
        for (int j = section->FieldCount(); j >= 1; --j)
            section->RemoveField(j);
        report.RemoveSection(i);
    }

    const Keys keys(file, reportSection);
    report.setPrinterName(keys.text(QStringLiteral("PrinterName")));
    report.setGridX(keys.number<int16_t>(QStringLiteral("GridX")));
    report.setGridY(keys.number<int16_t>(QStringLiteral("GridY")));
    report.setLeftMargin(keys.number<int16_t>(QStringLiteral("LeftMargin")));
    report.setRightMargin(keys.number<int16_t>(QStringLiteral("RightMargin")));
    report.setBottomMargin(keys.number<int16_t>(QStringLiteral("BottomMargin")));
    report.setTopMargin(keys.number<int16_t>(QStringLiteral("TopMargin")));
    const int16_t sectionCount = keys.number<int16_t>(QStringLiteral("SectionCount"));
    report.setOrientation(keys.number<int32_t>(QStringLiteral("Orientation"), 1));
    // Room for all sections at once, when the file holds the last of them:
    // a count the file does not bear out makes the load fail anyway.
    if (sectionCount > 0 && file.hasSection(sectionKey(sectionCount)))
        ReportPrivate::of(report)->sections.reserve(static_cast<size_t>(sectionCount));

    for (int i = 1; i <= sectionCount; ++i) {
        const Keys sectionKeys(file, sectionKey(i));
        sectionKeys.mustExist();
        QString name = sectionKeys.text(QStringLiteral("SectionName"));
        // The file gives the size, so the default one (which asks the printer
        // system for its page) is never worked out.
        const std::shared_ptr<Section> section =
            ReportPrivate::of(report)->addSection(name, sectionKeys.number<int32_t>(QStringLiteral("Height")),
                                                  sectionKeys.number<int32_t>(QStringLiteral("Width")));
        const int16_t fieldCount = sectionKeys.number<int16_t>(QStringLiteral("FieldCount"));
        section->setFooter(sectionKeys.truth(QStringLiteral("Footer")));
        section->setKeepWithNext(sectionKeys.truth(QStringLiteral("KeepWithNext")));
        if (fieldCount > 0 && file.hasSection(fieldKey(i, fieldCount)))
            SectionPrivate::fieldsOf(*section).reserve(static_cast<size_t>(fieldCount));
        for (int j = 1; j <= fieldCount; ++j)
            readField(*section, i, j, file);
    }
}

} // namespace quirepress::detail
