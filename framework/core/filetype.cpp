#include "framework/core/filetype.h"

#include "framework/core/trace.h"

#include <algorithm>

namespace fw {

namespace {

std::vector<RegisteredFileType>& Registry()
{
    static std::vector<RegisteredFileType> registry;
    return registry;
}

std::vector<std::string> SplitExtensions(const std::string& list)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t end = std::min(list.find(';', start), list.size());
        if (end > start)
            out.push_back(list.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

bool EndsWithIgnoringCase(const String& name, const std::string& suffix)
{
    const String s(suffix);
    const int n = Len(s);
    return n > 0 && Len(name) >= n && TextEquals(Right(name, n), s);
}

} // namespace

FileType::~FileType() { Withdraw(); }

void FileType::Withdraw()
{
    if (!m_registered)
        return;
    m_registered = false;
    RuntimeDeregisterFileType(m_name);
}

void FileType::SetName(const String& v)
{
    Withdraw();
    m_name = v;
}

void FileType::SetExtensions(const String& v)
{
    Withdraw();
    m_extensions = v;
}

void FileType::SetMacType(const String& v)
{
    Withdraw();
    m_macType = v;
}

void FileType::SetMacCreator(const String& v)
{
    Withdraw();
    m_macCreator = v;
}

String FileType::ToText()
{
    if (!m_registered) {
        RuntimeRegisterFileType(m_name, m_macCreator, m_macType, m_extensions);
        m_registered = true;
    }
    return m_name;
}

void RuntimeRegisterFileType(const String& name, const String& creator, const String& type,
                             const String& extensions)
{
    trace::Record("register file type " + name.ToUTF8() + " " + type.ToUTF8() + "/" + creator.ToUTF8());
    RegisteredFileType t{name.ToUTF8(), creator.ToUTF8(), type.ToUTF8(), SplitExtensions(extensions.ToUTF8())};
    Registry().push_back(std::move(t));
}

void RuntimeDeregisterFileType(const String& name)
{
    auto& r = Registry();
    const auto it = std::find_if(r.begin(), r.end(), [&](const RegisteredFileType& t) {
        return TextEquals(String(t.name), name);
    });
    if (it != r.end())
        r.erase(it);
    trace::Record("deregister file type " + name.ToUTF8());
}

std::vector<RegisteredFileType> RegisteredFileTypes() { return Registry(); }

const RegisteredFileType* FindRegisteredFileType(const String& name)
{
    for (const auto& t : Registry())
        if (TextEquals(String(t.name), name))
            return &t;
    return nullptr;
}

String MatchFileType(const String& fileName)
{
    for (const auto& t : Registry())
        for (const auto& ext : t.extensions)
            if (EndsWithIgnoringCase(fileName, ext))
                return String(t.name);
    return String();
}

} // namespace fw
