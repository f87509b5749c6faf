#pragma once

#if defined(QUIREPRESS_BUILDING)
#define QUIREPRESS_EXPORT __attribute__((visibility("default")))
#else
#define QUIREPRESS_EXPORT
#endif
