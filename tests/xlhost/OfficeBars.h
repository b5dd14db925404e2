#pragma once
#include <ocidl.h>

#include <memory>

#include "tests/xlhost/HostModel.h"
#include "tests/xlhost/HostObject.h"

// Office's command bars as far as an add-in's menu needs them: the Tools
// popup found by id, its controls, and the Click event of buttons raised
// through each button's connection point.
namespace xlhost {

class OfficeCommandBars : public HostObject {
public:
    OfficeCommandBars() : HostObject("CommandBars") {}

protected:
    const std::vector<Member>& Members() const override;

private:
    void FindControl(const Args& args, VARIANT& result);
};

class OfficeControls : public HostObject {
public:
    explicit OfficeControls(std::shared_ptr<ControlNode> owner) : HostObject("Controls"), m_owner(std::move(owner)) {}

protected:
    const std::vector<Member>& Members() const override;
    void BeforeCall(const Member&) override;

private:
    void GetItem(const Args& args, VARIANT& result);
    void Add(const Args& args, VARIANT& result);
    void GetCount(const Args&, VARIANT& result);
    std::shared_ptr<ControlNode> m_owner;
};

class OfficeControl : public HostObject {
public:
    explicit OfficeControl(std::shared_ptr<ControlNode> node) : HostObject("Control"), m_node(std::move(node)) {}
    const std::shared_ptr<ControlNode>& Node() const { return m_node; }

protected:
    const std::vector<Member>& Members() const override;
    bool Answers(REFIID iid) const override;
    IUnknown* OtherInterface(REFIID iid) override;
    void BeforeCall(const Member&) override;

private:
    void GetCaption(const Args&, VARIANT& result);
    void PutCaption(const Args&, const VARIANT& value);
    void GetTooltipText(const Args&, VARIANT& result);
    void PutTooltipText(const Args&, const VARIANT& value);
    void GetBeginGroup(const Args&, VARIANT& result);
    void PutBeginGroup(const Args&, const VARIANT& value);
    void GetTag(const Args&, VARIANT& result);
    void PutTag(const Args&, const VARIANT& value);
    void Delete(const Args&, VARIANT& result);
    void GetControls(const Args&, VARIANT& result);
    void GetId(const Args&, VARIANT& result);
    void GetType(const Args&, VARIANT& result);
    void GetTemporary(const Args&, VARIANT& result);
    std::shared_ptr<ControlNode> m_node;
};

// The connection point container of a button (counted, owning a count
// on the button).
IUnknown* NewButtonEvents(OfficeControl* owner);

// Raises Click, with the button as Ctrl, on every sink advised on any
// button of the same Id and Tag, as Office does when the user picks it;
// the number of sinks called.
int ClickButton(const std::shared_ptr<ControlNode>& button);

// Objects the test Excel made that someone besides the host still holds:
// connection points are counted here, the rest by HostObject::Live.
long LiveConnectionPoints();

} // namespace xlhost
