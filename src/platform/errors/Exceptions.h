#pragma once

// The platform's exceptions. Each names its class, so that a report of an
// exception that nothing handled can say what failed.

#include <stdexcept>
#include <string>

class RuntimeException : public std::runtime_error {
public:
    explicit RuntimeException(const std::string& message)
        : std::runtime_error(message) {}
    virtual const char* ClassName() const { return "RuntimeException"; }
};

// A nil reference was used.
class NilObjectException : public RuntimeException {
public:
    NilObjectException()
        : RuntimeException("A nil object was used.") {}
    explicit NilObjectException(const std::string& message)
        : RuntimeException(message) {}
    const char* ClassName() const override { return "NilObjectException"; }
};

// An object was cast to a class it does not belong to.
class IllegalCastException : public RuntimeException {
public:
    explicit IllegalCastException(const std::string& message)
        : RuntimeException(message) {}
    const char* ClassName() const override { return "IllegalCastException"; }
};

// A dictionary was asked for a key it does not hold.
class KeyNotFoundException : public RuntimeException {
public:
    explicit KeyNotFoundException(const std::string& key)
        : RuntimeException("The key \"" + key + "\" is not in the dictionary.") {}
    const char* ClassName() const override { return "KeyNotFoundException"; }
};

// A row, column or item index outside its range.
class OutOfBoundsException : public RuntimeException {
public:
    explicit OutOfBoundsException(const std::string& message)
        : RuntimeException(message) {}
    const char* ClassName() const override { return "OutOfBoundsException"; }
};

// A file could not be read or written to its end. File() names it as the
// user chose it, Reason() says why in the words of the system or the parser.
class FileException : public RuntimeException {
public:
    FileException(std::string file, std::string reason)
        : RuntimeException(file + ": " + reason)
        , file_(std::move(file))
        , reason_(std::move(reason)) {}
    const std::string& File() const { return file_; }
    const std::string& Reason() const { return reason_; }

private:
    std::string file_;
    std::string reason_;
};

// Opening, reading, writing or closing a file failed.
class IOException : public FileException {
public:
    using FileException::FileException;
    const char* ClassName() const override { return "IOException"; }
};

// The file is not well-formed XML; the reason carries the line and column.
class XmlException : public FileException {
public:
    using FileException::FileException;
    const char* ClassName() const override { return "XmlException"; }
};

// The object that a reference points to; a nil reference raises
// NilObjectException instead of being followed.
template <typename Object> Object& NonNil(Object* object) {
    if (object == nullptr) {
        throw NilObjectException();
    }
    return *object;
}
