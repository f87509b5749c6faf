# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillbill developers

if(QUILLBILL_SANITIZE OR QUILLBILL_FUZZ)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
if(QUILLBILL_FUZZ)
    # Coverage for the fuzzer in every object, libFuzzer's main only in the
    # fuzz targets themselves.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
