// A node of an ordered tree with intrusive links; a node owns its children. Navigation is virtual
// so that a derived node can change what parent, sibling and child mean.
#pragma once

#include <windows.h>

class FwTreeNode
{
public:
    FwTreeNode();
    // Deletes every descendant, leaves first.
    virtual ~FwTreeNode();
    FwTreeNode(const FwTreeNode&) = delete;
    FwTreeNode& operator=(const FwTreeNode&) = delete;

    virtual FwTreeNode* GetParent() const;
    virtual FwTreeNode* GetNextSibling() const;
    virtual FwTreeNode* GetPrevSibling() const;
    virtual FwTreeNode* GetFirstChild() const;
    virtual int GetNodeKind() const;
    virtual BOOL IsExpanded() const;
    virtual BOOL SetExpanded(BOOL bExpanded);

    // Positions of InsertChild besides a child to insert after.
    static FwTreeNode* const InsertFirst;
    static FwTreeNode* const InsertLast;

    WORD GetLevel() const;
    FwTreeNode* GetRoot() const;
    FwTreeNode* GetLastSibling() const;
    FwTreeNode* GetLastChild() const;
    FwTreeNode* GetDeepestFirstChild() const;
    FwTreeNode* GetLastDescendant() const;
    FwTreeNode* GetNextInOrder() const;
    FwTreeNode* GetPrevInOrder() const;
    // TRUE when this node is met among the ancestors of pNode (pNode itself not counted).
    BOOL IsDescendantOf(const FwTreeNode* pNode) const;
    // pAfter: InsertFirst, InsertLast or a child of this node; FALSE when it is none of them.
    BOOL InsertChild(FwTreeNode* pNode, FwTreeNode* pAfter);
    void Unlink();
    void DeleteAllChildren();

    WORD GetHiddenLevels() const { return m_nHiddenLevels; }
    void SetHiddenLevels(WORD nLevels) { m_nHiddenLevels = nLevels; }

protected:
    FwTreeNode* m_pParent;
    FwTreeNode* m_pNextSibling;
    FwTreeNode* m_pPrevSibling;
    FwTreeNode* m_pFirstChild;
    // Meaningful on the root only.
    WORD m_nHiddenLevels;
};
