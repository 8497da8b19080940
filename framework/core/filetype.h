#pragma once

#include <string>
#include <vector>

#include "framework/core/object.h"
#include "framework/core/text.h"

namespace fw {

// A document type: a name, its extensions (".a;.b"), and four-character type
// and creator codes. Converting it to text registers it, once; changing it or
// destroying it withdraws the registration.
class FileType : public Object {
public:
    FileType() = default;
    FileType(const FileType&) = delete;
    FileType& operator=(const FileType&) = delete;
    ~FileType() override;

    String Name() const { return m_name; }
    String Extensions() const { return m_extensions; }
    String MacType() const { return m_macType; }
    String MacCreator() const { return m_macCreator; }
    void SetName(const String& v);
    void SetExtensions(const String& v);
    void SetMacType(const String& v);
    void SetMacCreator(const String& v);

    // The conversion to text: registers the type on first use, gives Name.
    String ToText();
    bool IsRegistered() const { return m_registered; }

private:
    void Withdraw();

    String m_name, m_extensions, m_macType, m_macCreator;
    bool m_registered = false;
};

struct RegisteredFileType {
    std::string name, creator, type;
    std::vector<std::string> extensions; // each with its leading dot
};

void RuntimeRegisterFileType(const String& name, const String& creator, const String& type,
                             const String& extensions);
// Withdraws the earliest registration of that name (ignoring case).
void RuntimeDeregisterFileType(const String& name);
std::vector<RegisteredFileType> RegisteredFileTypes();
// The registered type of that name (ignoring case); nullptr when none. Valid
// until the registrations change.
const RegisteredFileType* FindRegisteredFileType(const String& name);
// The earliest registered type one of whose extensions the file name ends
// with, ignoring case; "" when none fits.
String MatchFileType(const String& fileName);

} // namespace fw
