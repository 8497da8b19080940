#include "framework/core/filetype.h"

#include "framework/core/trace.h"

#include <algorithm>

namespace fw {

namespace {

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

struct Registration {
    RegisteredFileType type;
    const FileType* owner; // nullptr when registered by name alone
};

// Never destroyed: a file type held by a static reference withdraws itself
// in its destructor, which may run at exit after a static registry was gone.
std::vector<Registration>& Registry()
{
    static auto* registry = new std::vector<Registration>;
    return *registry;
}

void Register(const FileType* owner, const String& name, const String& creator, const String& type,
              const String& extensions)
{
    trace::Record("register file type " + name.ToUTF8() + " " + type.ToUTF8() + "/" + creator.ToUTF8());
    Registry().push_back(
        {{name.ToUTF8(), creator.ToUTF8(), type.ToUTF8(), SplitExtensions(extensions.ToUTF8())}, owner});
}

// Withdraws the earliest registration that pred accepts.
template <class Pred>
void Deregister(const String& name, Pred pred)
{
    auto& r = Registry();
    const auto it = std::find_if(r.begin(), r.end(), pred);
    if (it != r.end())
        r.erase(it);
    trace::Record("deregister file type " + name.ToUTF8());
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
    // Its own registration, not another type's of the same name.
    Deregister(m_name, [this](const Registration& r) { return r.owner == this; });
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
        Register(this, m_name, m_macCreator, m_macType, m_extensions);
        m_registered = true;
    }
    return m_name;
}

void RuntimeRegisterFileType(const String& name, const String& creator, const String& type,
                             const String& extensions)
{
    Register(nullptr, name, creator, type, extensions);
}

void RuntimeDeregisterFileType(const String& name)
{
    Deregister(name, [&](const Registration& r) { return TextEquals(String(r.type.name), name); });
}

std::vector<RegisteredFileType> RegisteredFileTypes()
{
    std::vector<RegisteredFileType> out;
    for (const auto& r : Registry())
        out.push_back(r.type);
    return out;
}

const RegisteredFileType* FindRegisteredFileType(const String& name)
{
    for (const auto& r : Registry())
        if (TextEquals(String(r.type.name), name))
            return &r.type;
    return nullptr;
}

String MatchFileType(const String& fileName)
{
    for (const auto& r : Registry())
        for (const auto& ext : r.type.extensions)
            if (EndsWithIgnoringCase(fileName, ext))
                return String(r.type.name);
    return String();
}

} // namespace fw
