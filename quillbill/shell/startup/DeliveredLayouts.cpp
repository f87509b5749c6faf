// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Quillbill developers

#include "shell/startup/DeliveredLayouts.h"

#include <QCryptographicHash>

#include <algorithm>
#include <iterator>

namespace quillbill::ProgramFolder {

namespace {

// The SHA-256 of every layout of Reports/ and Reports/fr/ as a version
// delivered it.
constexpr const char* deliveredSha256[] = {
    // report.rdn
    "20664df78a65a43e6a9639468aab634f048134d088223e4beba6b143d3d7bf38",
    "4ecf59cdeaf79642246e19f4361854fbe828965ecbdf562e617798cf572099d5",
    "c69ffc5ced436dedf75deb6b454e58b552cf6c4bdd17073b447696fbb1217892",
    "d8d4d0dd04c5c0f6a4e9c5314120e01822e757349d8967d8208deca3bb522eab",
    "db6f7773c143fe09f940b5b7306ae5e5ddb5e35821a0c0da7107dbe440076afd",
    // simple.rdn
    "431015afeabe1a739547bf652860a493d4bcdf3893e68232aa99136c403c95d9",
    "4cfec85f847db3e9201906a8cbf8afd160beaa99cfc9d7305861c99dcf04c774",
    "89fb1170e6caaff8be3f34f518f0a8c19235fb1ecc7cf11aae70ef028c888582",
    "8d09942e4890dcb9d64e4e36eb7175ab583090a7d275c2aaf55e1999c400d860",
    "a18fb7cb037efbcacc28c580ea127fc772ba50e23ae32d9a613e442ff58da883",
    "c017718cca3e6bbd8a75d563a8519d468234dbbbb4938fb1c6b69ca930376338",
    "d8daf97409978f8b1103e62dd03426b5225a755466d297ff80274a650a6df633",
    // statement.rdn
    "6792a1eee363739c0e8b78751dfbbab973d13f6668f33cb7c13960ad500bc16c",
    // aging.rdn
    "54dd49df77fcb4729999f0ce31b3e2be04c6f93dc724914ac506f6f1505a442d",
    // fr/report.rdn, fr/simple.rdn, fr/statement.rdn, fr/aging.rdn
    "9d5c50f3c7d293709e686129daec7de6364c45b5479c9d89589ef2adb841a5d3",
    "4e1ee0158ce9e97910e2b0d854331f73a26a657429981d2cb5683be040f0c9c2",
    "ef1ee731dfb1ea25d24269eb59cb0b90fcc4ce3702fde705e0fde869d70a1406",
    "92ed2811a9284598d28711cf2a6c53db40b37f9fd1c287a72af292e496133d58",
};

} // namespace

bool isDeliveredLayout(const QByteArray& contents)
{
    const QByteArray sha256 = QCryptographicHash::hash(contents, QCryptographicHash::Sha256).toHex();
    return std::any_of(std::begin(deliveredSha256), std::end(deliveredSha256),
                       [&sha256](const char* known) { return sha256 == known; });
}

} // namespace quillbill::ProgramFolder
