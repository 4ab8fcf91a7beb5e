#pragma once
// Entry functions of the fuzz targets. Each feeds one input to a reader of untrusted data and
// checks what that reader promises; the libFuzzer drivers and the replay test call the same
// functions, so an input kept after a failure fails the ordinary test run too.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace fuzzing {

// A promise of a reader that one input broke (crashes and sanitizer reports need no exception).
class Finding : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Raises a Finding naming the broken promise when ok is false.
void require(bool ok, const char* promise);

struct Target {
    const char* name;
    void (*run)(const std::uint8_t* data, std::size_t size);
    // Inputs written by the program's own writers, the starting corpus of the target.
    std::vector<QByteArray> (*seeds)();
};

std::span<const Target> targets();
// Null when no target has the name.
const Target* findTarget(std::string_view name);

// Creates the one Qt application that fonts and pictures need (offscreen), unless one exists.
void ensureApplication();

// The targets, one per reader.
void projectFile(const std::uint8_t* data, std::size_t size);
std::vector<QByteArray> projectFileSeeds();
void numbers(const std::uint8_t* data, std::size_t size);
std::vector<QByteArray> numbersSeeds();
void chartProperties(const std::uint8_t* data, std::size_t size);
std::vector<QByteArray> chartPropertiesSeeds();
void chartInvoke(const std::uint8_t* data, std::size_t size);
std::vector<QByteArray> chartInvokeSeeds();
void templatePackage(const std::uint8_t* data, std::size_t size);
std::vector<QByteArray> templatePackageSeeds();
void settingsFile(const std::uint8_t* data, std::size_t size);
std::vector<QByteArray> settingsFileSeeds();

} // namespace fuzzing
