#include "docgen/ReferenceExample.h"

#include "docgen/FieldMeanings.h"
#include "objects/Factory.h"
#include "objects/FieldSet.h"
#include "particles/DecoratorComp.h"
#include "particles/ParticleDecoratorTable.h"

namespace
{
std::string Escaped(const char* text)
{
    std::string escaped;
    for (const char* c = text; *c; ++c)
        switch (*c)
        {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += *c;
        }
    return escaped;
}

std::string OpenTag(const XmlElement* element)
{
    std::string tag = std::string("<") + element->Name();
    for (const tinyxml2::XMLAttribute* a = element->FirstAttribute(); a; a = a->Next())
        tag += std::string(" ") + a->Name() + "=\"" + Escaped(a->Value()) + "\"";
    return tag;
}

// A vector or matrix: only nameless, empty children.
bool HoldsOnlyValues(const XmlElement* element)
{
    for (const XmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement())
        if (child->FirstChildElement() || child->Attribute("name"))
            return false;
    return true;
}

// One element per line, except that a vector's or matrix's values stay on its line.
void Print(const XmlElement* element, int depth, std::string& out)
{
    const std::string indent(static_cast<size_t>(depth) * 4, ' ');
    out += indent + OpenTag(element);
    if (!element->FirstChildElement())
    {
        out += "/>\n";
        return;
    }
    const bool oneLine = HoldsOnlyValues(element);
    out += oneLine ? ">" : ">\n";
    for (const XmlElement* child = element->FirstChildElement(); child; child = child->NextSiblingElement())
        if (oneLine)
            out += OpenTag(child) + "/>";
        else
            Print(child, depth + 1, out);
    out += (oneLine ? "" : indent) + "</" + element->Name() + ">\n";
}

void AddSampleItems(const FieldDescription& fields, XmlFile& file, XmlElement* element,
                    const FieldMeanings& meanings)
{
    for (const FieldInfo& info : fields.Describe())
    {
        const bool list = info.read == FieldRead::EveryChild || info.read == FieldRead::ChildrenOf;
        const std::string sample = list ? meanings.Sample(fields.ElementName(), info.name) : "";
        XmlElement* parent =
            info.read == FieldRead::ChildrenOf ? XmlFile::FindChildElement(element, info.container) : element;
        if (sample.empty() || !parent || XmlFile::FindChildElement(parent, info.element, info.name))
            continue;
        XmlElement* item = file.AddChildElement(parent, info.element);
        item->SetAttribute("name", info.name.c_str());
        item->SetAttribute("value", sample.c_str());
    }
}
} // namespace

std::string ReferenceExample(ComponentType type, const FieldMeanings& meanings)
{
    std::unique_ptr<Component> component = Factory::Instance().CreateComponent(ComponentTypeName(type));
    if (!component)
        return "";
    // A new DecoratorComp holds no decorator and would write an empty element.
    if (auto* decorators = dynamic_cast<DecoratorComp*>(component.get()))
        for (int kind = 0; kind < DecoratorComp::kKindCount; ++kind)
            decorators->Add(kind);
    XmlFile file;
    component->Serialize(file, file.CreateRoot("Components"), false);
    XmlElement* element = file.GetRoot()->FirstChildElement();
    if (!element)
        return "";
    if (const ComponentFields* fields = component->Fields())
        AddSampleItems(*fields, file, element, meanings);
    std::string out;
    Print(element, 0, out);
    return out;
}

std::string BehaviourExample(int type)
{
    std::unique_ptr<ParticleDecorator> decorator = ParticleDecoratorTable::CreateDecorator(type);
    if (!decorator)
        return "";
    XmlFile file;
    decorator->Serialize(file, file.CreateRoot("Effect"));
    std::string out;
    Print(file.GetRoot()->FirstChildElement(), 0, out);
    return out;
}
