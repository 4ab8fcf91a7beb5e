#pragma once
// Marks the classes and functions that libvexachart.so exports. The library is compiled with
// hidden visibility: whatever carries no mark stays inside it.
#define VEXACHART_EXPORT __attribute__((visibility("default")))
