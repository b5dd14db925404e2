#include "tests/xlhost/HostModel.h"

#include "tests/xlhost/HostObject.h"

namespace xlhost {

void ControlNode::Delete()
{
    for (auto& child : children) {
        child->parent = nullptr;
        child->Delete();
    }
    children.clear();
    for (auto& sink : sinks) {
        sink.second->Release();
    }
    sinks.clear();
    deleted = true;
    if (parent != nullptr) {
        auto& siblings = parent->children;
        for (auto it = siblings.begin(); it != siblings.end(); ++it) {
            if (it->get() == this) {
                siblings.erase(it); // may destroy this node: nothing after it
                return;
            }
        }
    }
}

std::shared_ptr<ControlNode> ControlNode::Add(long kind, long controlId, bool isTemporary, std::size_t before)
{
    auto node = std::make_shared<ControlNode>();
    node->type = kind;
    node->id = controlId;
    node->temporary = isTemporary;
    node->parent = this;
    const std::size_t at = before >= 1 && before <= children.size() ? before - 1 : children.size();
    children.insert(children.begin() + static_cast<std::ptrdiff_t>(at), node);
    return node;
}

HostModel& HostModel::Instance()
{
    static HostModel model;
    return model;
}

void HostModel::NewWorkbook()
{
    book = std::make_shared<Workbook>();
    book->AddSheet("Sheet1", 0);
    Activate(0);
}

void HostModel::Activate(std::size_t position)
{
    book->active = position;
    selection = {Area{}};
    chartSelected = false;
}

Workbook& HostModel::Book() const
{
    if (!book) {
        throw ComFailure{kExcelError, ""};
    }
    return *book;
}

} // namespace xlhost
