#include "invoicing/clsGroup.h"

#include "app/FailureMessage.h"
#include "app/ProgramReport.h"
#include "invoicing/InvoiceForms.h"
#include "invoicing/WrappedText.h"
#include "records/DatabaseError.h"

#include <QFileInfo>
#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace quillbill {

namespace {

const QString failureTitle = QStringLiteral("clsGroup.PrintReport");

QString dollars(Millionths amount) { return u'$' + moneyText(amount, QLocale()); }

} // namespace

clsGroup::clsGroup(AppContext& app) : app_(app), report_(newProgramReport(app.messages)) { report_.setEvents(this); }

clsGroup::~clsGroup() { report_.setEvents(nullptr); }

bool clsGroup::PrintReport()
{
    bool loaded = false;
    const bool printed = runShowingDocumentFailure(app_.messages, failureTitle, [&] {
        loaded = report_.LoadReport(app_.path(QStringLiteral("Reports/report.rdn")));
        if (!loaded)
            return;
        report_.setOutputTo(output_);
        const QFileInfo file(outputFile_);
        report_.setOutputFilename(outputFile_.isEmpty() || file.isAbsolute() ? outputFile_ : app_.path(outputFile_));
        report_.setPrinterName(printerName_);
        printGroups();
    });
    if (printed)
        return loaded;
    // The run may be half made: the report closes its output and drops it.
    report_.setCancel(true);
    runShowingDocumentFailure(app_.messages, failureTitle, [this] { report_.EndReport(); });
    return false;
}

void clsGroup::printGroups()
{
    report_.PrintSection(QStringLiteral("Header"));
    report_.PrintSection(QStringLiteral("PageHeader"));

    const ReportStatement& statement = app_.state.ReportSql;
    QSqlQuery rows = app_.state.MainDatabase.execute(statement.sql, statement.values);
    const QSqlRecord columns = rows.record();
    const int company = columns.indexOf(QStringLiteral("Company"));
    const int description = columns.indexOf(QStringLiteral("JobDescription"));
    const int sums = columns.indexOf(QStringLiteral("Sums"));

    const auto groupHeader = report_.Section(QStringLiteral("groupheader"));
    const auto detail = report_.Section(QStringLiteral("detail"));
    const auto groupFooter = report_.Section(QStringLiteral("groupfooter"));
    const auto author = groupHeader->Field(QStringLiteral("author"));
    const auto title = detail->Field(QStringLiteral("Title"));
    const auto year = detail->Field(QStringLiteral("Year"));
    const auto bookCount = groupFooter->Field(QStringLiteral("bookcount"));
    // A long description wraps in its column: the first line beside the
    // amount, each further one in "detailline" (in a layout without it, in
    // "detail" with no amount).
    const auto lineSection = sectionIfAny(report_, QStringLiteral("detailline"));
    const QString lineName = lineSection ? lineSection->SectionName() : detail->SectionName();
    const auto more = lineSection ? lineSection->Field(QStringLiteral("Title")) : title;

    QString currentCompany;
    int rowsInGroup = 0;
    // Stored sums are exact ten-thousandths; so is their total.
    Millionths total = 0;
    const auto closeGroup = [&] {
        bookCount->setValue(dollars(total));
        report_.PrintSection(QStringLiteral("groupfooter"));
        total = 0;
    };
    while (rows.next()) {
        const QString rowCompany = rows.value(company).toString();
        if (rowCompany != currentCompany) {
            if (!currentCompany.isEmpty() && rowsInGroup != 0)
                closeGroup();
            author->setValue(rowCompany);
            report_.PrintSection(QStringLiteral("groupheader"));
            currentCompany = rowCompany;
            rowsInGroup = 0;
        }
        const Millionths amount = fromTenThousandths(rows.value(sums).toLongLong());
        const QStringList lines = linesIn(report_, title, rows.value(description).toString());
        detail->Clear();
        title->setValue(lines.first());
        year->setValue(dollars(amount));
        report_.PrintSection(QStringLiteral("detail"));
        for (qsizetype line = 1; line < lines.size(); ++line) {
            report_.Section(lineName)->Clear();
            more->setValue(lines[line]);
            report_.PrintSection(lineName);
        }
        ++rowsInGroup;
        total += amount;
    }
    // A read that fails part way ends the rows early; the report must not
    // pass for whole.
    if (rows.lastError().isValid())
        throw DatabaseError(rows.lastError().text());
    if (!currentCompany.isEmpty() && rowsInGroup != 0)
        closeGroup();
    report_.EndReport();
}

void clsGroup::NewPage() { report_.PrintSection(QStringLiteral("PageHeader")); }

// The preview's run is over; this one goes to the printer without loading
// the layout again. What fails here goes back to the report, which shows it.
void clsGroup::PrintToPrinterButton()
{
    report_.setOutputTo(quirepress::cOutputToPrinter);
    printGroups();
}

void clsGroup::PrintPageFooter(const QString&, bool, bool&) {}

} // namespace quillbill
