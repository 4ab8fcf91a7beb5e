#pragma once
// Marks the classes and functions that libzavquickinfo.so exports. The library is compiled with
// hidden visibility: whatever carries no mark stays inside it.
#define ZAVQUICKINFO_EXPORT __attribute__((visibility("default")))
