#pragma once

#include "TestProgram.h"
#include "TestServer.h"

#include "records/Database.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quillbill::testing {

// A test run on each kind of database the records live in: the program's
// file, and a database of its own on the tests' PostgreSQL server, laid
// out with the same delivered rows. The program's MainDatabase is the one
// of the test's kind.
class OnEitherKind : public ::testing::TestWithParam<Database::Kind> {
protected:
    OnEitherKind()
    {
        if (GetParam() == Database::Kind::Server) {
            server.emplace();
            server->lay();
            program.app->state.MainDatabase.openServer(server->address());
        }
    }

    const Database& database() const { return program.app->state.MainDatabase; }

    // The database as a child program's argument (see ChildDatabase.h).
    QString where() const { return server ? server->url() : program.databasePath(); }

    // Opens `other` on the same database, as another program would.
    void openAsAnotherProgram(Database& other) const
    {
        if (server)
            other.openServer(server->address());
        else
            other.open(program.databasePath());
    }

    // Makes the database refuse every new row of `table`, as it refuses a
    // row that breaks its rules.
    void refuseNewRowsOf(const QString& table) const
    {
        if (server) {
            program.exec(QStringLiteral("CREATE FUNCTION refuse_rows() RETURNS trigger AS $$ BEGIN RAISE EXCEPTION "
                                        "'refused'; END $$ LANGUAGE plpgsql"));
            program.exec(QStringLiteral("CREATE TRIGGER RefuseRows BEFORE INSERT ON %1 FOR EACH ROW EXECUTE "
                                        "FUNCTION refuse_rows()")
                             .arg(table));
        } else {
            program.exec(QStringLiteral(
                             "CREATE TRIGGER RefuseRows BEFORE INSERT ON %1 BEGIN SELECT RAISE(ABORT, 'refused'); END")
                             .arg(table));
        }
    }

    TestProgram program;
    std::optional<TestServerDatabase> server;
};

inline std::string kindName(const ::testing::TestParamInfo<Database::Kind>& kind)
{
    return kind.param == Database::Kind::File ? "File" : "Server";
}

// INSTANTIATE_TEST_SUITE_P(Suite, Fixture, bothKinds, kindName)
inline const auto bothKinds = ::testing::Values(Database::Kind::File, Database::Kind::Server);

} // namespace quillbill::testing
