#pragma once

#include <exception>
#include <string>

namespace fw {

// Base of every error the framework raises; handlers catch this one type.
class RuntimeException : public std::exception {
public:
    explicit RuntimeException(std::string message = "A runtime error occurred.");
    const char* what() const noexcept override { return m_message.c_str(); }
    const std::string& Message() const { return m_message; }
    // The class name, shown in reports next to the message.
    virtual std::string Kind() const { return "RuntimeException"; }

private:
    std::string m_message;
};

class NilObjectException : public RuntimeException {
public:
    explicit NilObjectException(std::string message = "An object that does not exist was used.")
        : RuntimeException(std::move(message)) {}
    std::string Kind() const override { return "NilObjectException"; }
};

class IllegalCastException : public RuntimeException {
public:
    explicit IllegalCastException(std::string message = "An object is not of the class it was cast to.")
        : RuntimeException(std::move(message)) {}
    std::string Kind() const override { return "IllegalCastException"; }
};

class OutOfBoundsException : public RuntimeException {
public:
    explicit OutOfBoundsException(std::string message = "An index lies outside the array.")
        : RuntimeException(std::move(message)) {}
    std::string Kind() const override { return "OutOfBoundsException"; }
};

class IOException : public RuntimeException {
public:
    explicit IOException(std::string message = "A file could not be read or written.")
        : RuntimeException(std::move(message)) {}
    std::string Kind() const override { return "IOException"; }
};

// Text that is not valid in its encoding, or a code that names no character.
class EncodingException : public RuntimeException {
public:
    explicit EncodingException(std::string message = "The text is not valid in its encoding.")
        : RuntimeException(std::move(message)) {}
    std::string Kind() const override { return "EncodingException"; }
};

} // namespace fw
