// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#pragma once

#include "TestProgram.h"
#include "TestServer.h"

#include "records/Database.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <tuple>

namespace quillbill::testing {

// The records of a test on one kind of database: the program's file, or a
// database of its own on the tests' PostgreSQL server, laid out with the
// same delivered rows. The program's MainDatabase is the one of that kind.
class DatabaseOfKind {
public:
    explicit DatabaseOfKind(Database::Kind kind)
    {
        if (kind == Database::Kind::Server) {
            server.emplace();
            server->lay();
            program.app->state.MainDatabase.openServer(server->address());
        }
    }

    const Database& database() const { return program.app->state.MainDatabase; }

    // The database as a child program's argument (see ChildDatabase.h), or
    // a LockingProcess's.
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

inline Database::Kind kindOf(Database::Kind kind) { return kind; }
template <typename Case>
Database::Kind kindOf(const std::tuple<Database::Kind, Case>& param)
{
    return std::get<0>(param);
}

// A test run on each kind of database, with a parameter that is the kind or
// begins with it.
template <typename Param>
class OnEitherKindWith : public ::testing::TestWithParam<Param>, public DatabaseOfKind {
protected:
    OnEitherKindWith() : DatabaseOfKind(kindOf(::testing::TestWithParam<Param>::GetParam())) {}
};

using OnEitherKind = OnEitherKindWith<Database::Kind>;

inline std::string nameOfKind(Database::Kind kind) { return kind == Database::Kind::File ? "File" : "Server"; }
// Names the kind in failures.
inline void PrintTo(Database::Kind kind, std::ostream* out) { *out << nameOfKind(kind); }
inline std::string kindName(const ::testing::TestParamInfo<Database::Kind>& kind) { return nameOfKind(kind.param); }

// INSTANTIATE_TEST_SUITE_P(Suite, Fixture, bothKinds, kindName)
inline const auto bothKinds = ::testing::Values(Database::Kind::File, Database::Kind::Server);

} // namespace quillbill::testing
