#include "invoicing/clsGroup.h"

#include "app/FailureMessage.h"
#include "app/ProgramReport.h"
#include "invoicing/InvoiceForms.h"
#include "invoicing/WrappedText.h"
#include "records/Database.h"
#include "records/DatabaseError.h"

#include <QFileInfo>
#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <cstdint>
#include <vector>

namespace quillbill {

namespace {

const QString failureTitle = QStringLiteral("clsGroup.PrintReport");

QString dollars(Millionths amount) { return u'$' + moneyText(amount, QLocale()); }

// The statement's rows as the report prints them, read whole before the
// first line is laid out. An open read keeps the database's shared lock, and
// under SQLite's rollback journal no other program can commit a save until
// it ends: a read left open through the layout would make every save at
// another desk wait for the whole report, and fail after the busy timeout.
// The job texts lie end to end in one string and each company is kept once,
// so a year of 500,000 jobs takes tens of megabytes, not hundreds.
class ReportRows {
public:
    // Reads every row of `statement`. Throws DatabaseError.
    static ReportRows read(const Database& database, const ReportStatement& statement)
    {
        ReportRows read;
        QSqlQuery rows = database.execute(statement.sql, statement.values);
        const QSqlRecord columns = rows.record();
        const int company = columns.indexOf(QStringLiteral("Company"));
        const int description = columns.indexOf(QStringLiteral("JobDescription"));
        const int sums = columns.indexOf(QStringLiteral("Sums"));
        while (rows.next())
            read.add(rows.value(company).toString(), rows.value(description).toString(), rows.value(sums).toLongLong());
        // A read that fails part way ends the rows early; the report must
        // not pass for whole.
        if (rows.lastError().isValid())
            throw DatabaseError(rows.lastError().text());
        return read;
    }

    size_t size() const { return rows_.size(); }
    const QString& company(size_t row) const { return companies_[rows_[row].company]; }
    QString description(size_t row) const
    {
        const qsizetype begin = row == 0 ? 0 : rows_[row - 1].descriptionEnd;
        return descriptions_.mid(begin, rows_[row].descriptionEnd - begin);
    }
    int64_t tenThousandths(size_t row) const { return rows_[row].tenThousandths; }

private:
    struct Row {
        qsizetype descriptionEnd;
        int64_t tenThousandths;
        size_t company;
    };

    void add(const QString& company, const QString& description, int64_t tenThousandths)
    {
        // The statement brings each company's rows together.
        if (companies_.empty() || companies_.back() != company)
            companies_.push_back(company);
        descriptions_ += description;
        rows_.push_back({descriptions_.size(), tenThousandths, companies_.size() - 1});
    }

    std::vector<QString> companies_;
    QString descriptions_;
    std::vector<Row> rows_;
};

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
        // Called as its layout titles it, not after the layout's file.
        report_.setDocumentTitle(
            report_.Section(QStringLiteral("Header"))->Field(QStringLiteral("lblTitle"))->Default_Value());
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

    const ReportRows rows = ReportRows::read(app_.state.MainDatabase, app_.state.ReportSql);

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
    for (size_t row = 0; row < rows.size(); ++row) {
        const QString& rowCompany = rows.company(row);
        if (rowCompany != currentCompany) {
            if (!currentCompany.isEmpty() && rowsInGroup != 0)
                closeGroup();
            author->setValue(rowCompany);
            report_.PrintSection(QStringLiteral("groupheader"));
            currentCompany = rowCompany;
            rowsInGroup = 0;
        }
        const Millionths amount = fromTenThousandths(rows.tenThousandths(row));
        const QStringList lines = linesIn(report_, title, rows.description(row));
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
