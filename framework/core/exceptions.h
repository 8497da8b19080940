#pragma once

#include <exception>
#include <string>

namespace fw {

// Base of every error the framework raises. An event handler's exception of
// this type is reported with its Kind and message; the handler's runner
// reports running out of memory, any other exception and anything else
// thrown too, each in its own words.
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
    // A failure on one file: the path and the reason ("Permission denied",
    // "it is a named pipe, not a file") are kept apart, so that a message to
    // the user can put them in its own sentence.
    IOException(std::string message, std::string path, std::string reason)
        : RuntimeException(std::move(message)), m_path(std::move(path)), m_reason(std::move(reason)) {}
    std::string Kind() const override { return "IOException"; }
    // Empty when the exception names no file.
    const std::string& Path() const { return m_path; }
    const std::string& Reason() const { return m_reason; }

private:
    std::string m_path;
    std::string m_reason;
};

// Text that is not valid in its encoding, or a code that names no character.
class EncodingException : public RuntimeException {
public:
    explicit EncodingException(std::string message = "The text is not valid in its encoding.")
        : RuntimeException(std::move(message)) {}
    std::string Kind() const override { return "EncodingException"; }
};

} // namespace fw
