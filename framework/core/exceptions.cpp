#include "framework/core/exceptions.h"

namespace fw {

RuntimeException::RuntimeException(std::string message) : m_message(std::move(message)) {}

} // namespace fw
