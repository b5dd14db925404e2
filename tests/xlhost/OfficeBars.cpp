#include "tests/xlhost/OfficeBars.h"

#include "win/com/OfficeInterfaces.h"

namespace xlhost {
namespace {
// Office's answer for an index or argument it cannot use.
const ComFailure kInvalidArgument{E_INVALIDARG, "Invalid procedure call or argument"};

std::shared_ptr<ControlNode> FindById(const std::shared_ptr<ControlNode>& node, long id, long type)
{
    if (node->id == id && (type == 0 || node->type == type)) {
        return node;
    }
    for (const auto& child : node->children) {
        if (auto found = FindById(child, id, type)) {
            return found;
        }
    }
    return nullptr;
}

void CheckAlive(const ControlNode& node)
{
    if (node.deleted) {
        throw ComFailure{E_FAIL, ""};
    }
}
} // namespace

const std::vector<HostObject::Member>& OfficeCommandBars::Members() const
{
    static const std::vector<Member> members = {
        {"FindControl", true, &Get<OfficeCommandBars, &OfficeCommandBars::FindControl>, nullptr},
    };
    return members;
}

void OfficeCommandBars::FindControl(const Args& args, VARIANT& result)
{
    const long type = args.Has(0) ? args.Long(0) : 0;
    const std::shared_ptr<ControlNode>& tools = HostModel::Instance().tools;
    std::shared_ptr<ControlNode> found;
    if (tools && args.Has(1)) {
        found = FindById(tools, args.Long(1), type);
    }
    SetObject(result, found ? new OfficeControl(found) : nullptr);
}

const std::vector<HostObject::Member>& OfficeControls::Members() const
{
    using C = OfficeControls;
    static const std::vector<Member> members = {
        {"Item", false, &Get<C, &C::GetItem>, nullptr},
        {"Add", true, &Get<C, &C::Add>, nullptr},
        {"Count", false, &Get<C, &C::GetCount>, nullptr},
    };
    return members;
}

void OfficeControls::BeforeCall(const Member&)
{
    CheckAlive(*m_owner);
}

void OfficeControls::GetItem(const Args& args, VARIANT& result)
{
    const auto& children = m_owner->children;
    if (args.At(0).vt == VT_BSTR) {
        const std::string caption = args.Text(0);
        for (const auto& child : children) {
            if (child->caption == caption) {
                SetObject(result, new OfficeControl(child));
                return;
            }
        }
        throw kInvalidArgument;
    }
    const long index = args.Long(0);
    if (index < 1 || static_cast<std::size_t>(index) > children.size()) {
        throw kInvalidArgument;
    }
    SetObject(result, new OfficeControl(children[static_cast<std::size_t>(index - 1)]));
}

void OfficeControls::Add(const Args& args, VARIANT& result)
{
    const long type = args.Has(0) ? args.Long(0) : msoControlButton;
    if (type != msoControlButton && type != msoControlPopup) {
        throw kInvalidArgument;
    }
    const long id = args.Has(1) ? args.Long(1) : 1;
    const long before = args.Has(3) ? args.Long(3) : 0;
    if (before < 0 || static_cast<std::size_t>(before) > m_owner->children.size() + 1) {
        throw kInvalidArgument;
    }
    const bool temporary = args.Has(4) && args.Bool(4);
    SetObject(result, new OfficeControl(m_owner->Add(type, id, temporary, static_cast<std::size_t>(before))));
}

void OfficeControls::GetCount(const Args&, VARIANT& result)
{
    SetLong(result, static_cast<long>(m_owner->children.size()));
}

const std::vector<HostObject::Member>& OfficeControl::Members() const
{
    using C = OfficeControl;
    static const std::vector<Member> members = {
        {"Caption", false, &Get<C, &C::GetCaption>, &Put<C, &C::PutCaption>},
        {"TooltipText", false, &Get<C, &C::GetTooltipText>, &Put<C, &C::PutTooltipText>},
        {"BeginGroup", false, &Get<C, &C::GetBeginGroup>, &Put<C, &C::PutBeginGroup>},
        {"Tag", false, &Get<C, &C::GetTag>, &Put<C, &C::PutTag>},
        {"Delete", true, &Get<C, &C::Delete>, nullptr},
        {"Controls", false, &Get<C, &C::GetControls>, nullptr},
        {"Id", false, &Get<C, &C::GetId>, nullptr},
        {"Type", false, &Get<C, &C::GetType>, nullptr},
        {"Temporary", false, &Get<C, &C::GetTemporary>, nullptr},
    };
    return members;
}

bool OfficeControl::Answers(REFIID iid) const
{
    return iid == IID_CommandBarControl || (iid == IID_CommandBarPopup && m_node->type == msoControlPopup)
        || (iid == IID_CommandBarButton && m_node->type == msoControlButton);
}

IUnknown* OfficeControl::OtherInterface(REFIID iid)
{
    if (iid == IID_IConnectionPointContainer && m_node->type == msoControlButton) {
        return NewButtonEvents(this);
    }
    return nullptr;
}

void OfficeControl::BeforeCall(const Member&)
{
    CheckAlive(*m_node);
}

void OfficeControl::GetCaption(const Args&, VARIANT& result)
{
    SetText(result, m_node->caption);
}

void OfficeControl::PutCaption(const Args&, const VARIANT& value)
{
    m_node->caption = TextOf(value);
}

void OfficeControl::GetTooltipText(const Args&, VARIANT& result)
{
    SetText(result, m_node->tooltip);
}

void OfficeControl::PutTooltipText(const Args&, const VARIANT& value)
{
    m_node->tooltip = TextOf(value);
}

void OfficeControl::GetBeginGroup(const Args&, VARIANT& result)
{
    SetBool(result, m_node->beginGroup);
}

void OfficeControl::PutBeginGroup(const Args&, const VARIANT& value)
{
    m_node->beginGroup = BoolOf(value);
}

void OfficeControl::GetTag(const Args&, VARIANT& result)
{
    SetText(result, m_node->tag);
}

void OfficeControl::PutTag(const Args&, const VARIANT& value)
{
    m_node->tag = TextOf(value);
}

void OfficeControl::Delete(const Args&, VARIANT&)
{
    m_node->Delete();
}

void OfficeControl::GetControls(const Args&, VARIANT& result)
{
    if (m_node->type != msoControlPopup) {
        throw ComFailure{DISP_E_MEMBERNOTFOUND, "Object doesn't support this property or method"};
    }
    SetObject(result, new OfficeControls(m_node));
}

void OfficeControl::GetId(const Args&, VARIANT& result)
{
    SetLong(result, m_node->id);
}

void OfficeControl::GetType(const Args&, VARIANT& result)
{
    SetLong(result, m_node->type);
}

void OfficeControl::GetTemporary(const Args&, VARIANT& result)
{
    SetBool(result, m_node->temporary);
}

} // namespace xlhost
