#include "framework/ui/menu.h"

#include <string>

namespace fw {

bool MenuItem::IsSeparator() const { return m_text.Bytes() == "-"; }

void MenuItem::Append(Ref<MenuItem> item)
{
    item.Get(); // appending nil is an error of the caller
    m_children.push_back(std::move(item));
}

Ref<MenuItem> MenuItem::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw OutOfBoundsException("Menu item " + std::to_string(index) + " does not exist.");
    return m_children[static_cast<std::size_t>(index)];
}

Ref<MenuItem> MenuItem::Child(const String& name) const
{
    for (const auto& c : m_children)
        if (c->Name().Bytes() == name.Bytes())
            return c;
    return nullptr;
}

Ref<MenuItem> MenuItem::Lookup(const String& name) const
{
    for (const auto& c : m_children) {
        if (c->Name().Bytes() == name.Bytes())
            return c;
        if (auto found = c->Lookup(name))
            return found;
    }
    return nullptr;
}

} // namespace fw
