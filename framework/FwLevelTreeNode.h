// A node whose navigation can skip levels: when the root's hidden-levels count h is non-zero,
// the nodes at depth h + 1 form one sibling chain across their parents.
#pragma once

#include <windows.h>

#include "framework/FwTreeNode.h"

class FwLevelTreeNode : public FwTreeNode
{
public:
    FwTreeNode* GetParent() const override;
    FwTreeNode* GetNextSibling() const override;
    FwTreeNode* GetPrevSibling() const override;
    FwTreeNode* GetFirstChild() const override;

private:
    WORD HiddenLevels() const;
    WORD Depth() const;
};
