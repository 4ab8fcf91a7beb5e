#include "common/filefailure.h"
#include <cstring>

namespace common {

FileFailure systemFailure(int error)
{
    return {FileFailure::Kind::System, QString::fromLocal8Bit(std::strerror(error)), {}};
}

} // namespace common
