#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/FwLevelTreeNode.h"
#include "framework/FwTreeNode.h"

namespace
{
// Records the order in which nodes are destroyed.
std::vector<std::string>* g_pDeleted = nullptr;

class NamedNode : public FwLevelTreeNode
{
public:
    explicit NamedNode(const char* pszName) : m_strName(pszName) {}
    ~NamedNode() override
    {
        if (g_pDeleted != nullptr) {
            g_pDeleted->push_back(m_strName);
        }
    }
    std::string m_strName;
};

std::string NameOf(const FwTreeNode* pNode)
{
    return pNode != nullptr ? static_cast<const NamedNode*>(pNode)->m_strName : "(null)";
}

// root
//   a
//     a1
//       a1x
//     a2
//   b
//     b1
class FwTreeNodeTest : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* psz : {"a", "b"}) {
            ASSERT_TRUE(m_root.InsertChild(Make(psz), FwTreeNode::InsertLast));
        }
        ASSERT_TRUE(Node("a")->InsertChild(Make("a1"), FwTreeNode::InsertLast));
        ASSERT_TRUE(Node("a")->InsertChild(Make("a2"), FwTreeNode::InsertLast));
        ASSERT_TRUE(Node("a1")->InsertChild(Make("a1x"), FwTreeNode::InsertLast));
        ASSERT_TRUE(Node("b")->InsertChild(Make("b1"), FwTreeNode::InsertFirst));
    }
    void TearDown() override { g_pDeleted = nullptr; }

    NamedNode* Make(const char* psz)
    {
        m_nodes.push_back(new NamedNode(psz));
        return m_nodes.back();
    }
    NamedNode* Node(const char* psz)
    {
        for (NamedNode* p : m_nodes) {
            if (p->m_strName == psz) {
                return p;
            }
        }
        return nullptr;
    }

    NamedNode m_root{"root"};
    std::vector<NamedNode*> m_nodes; // owned by the tree
};

TEST_F(FwTreeNodeTest, WalksInOrderBothWays)
{
    std::string strForward;
    for (const FwTreeNode* p = &m_root; p != nullptr; p = p->GetNextInOrder()) {
        strForward += NameOf(p) + " ";
    }
    EXPECT_EQ("root a a1 a1x a2 b b1 ", strForward);
    std::string strBack;
    for (const FwTreeNode* p = Node("b1"); p != nullptr; p = p->GetPrevInOrder()) {
        strBack += NameOf(p) + " ";
    }
    EXPECT_EQ("b1 b a2 a1x a1 a root ", strBack);
    EXPECT_EQ(nullptr, Node("b1")->GetNextInOrder());
    EXPECT_EQ(Node("a"), Node("a1")->GetPrevInOrder());
}

TEST_F(FwTreeNodeTest, RelativesAndLevels)
{
    EXPECT_EQ(3, Node("a1x")->GetLevel());
    EXPECT_EQ(0, m_root.GetLevel());
    EXPECT_EQ(&m_root, Node("a1x")->GetRoot());
    EXPECT_EQ(Node("b"), m_root.GetLastChild());
    EXPECT_EQ(Node("a1x"), m_root.GetDeepestFirstChild());
    EXPECT_EQ(Node("b1"), m_root.GetLastDescendant());
    EXPECT_EQ(Node("a2"), Node("a1")->GetLastSibling());
    // True when this node lies above the given one.
    EXPECT_TRUE(Node("a")->IsDescendantOf(Node("a1x")));
    EXPECT_TRUE(m_root.IsDescendantOf(Node("b1")));
    EXPECT_FALSE(Node("b")->IsDescendantOf(Node("a1x")));
    EXPECT_FALSE(Node("a")->IsDescendantOf(Node("a")));
    EXPECT_FALSE(Node("a")->IsDescendantOf(nullptr));
}

TEST_F(FwTreeNodeTest, InsertAfterAForeignNodeFailsAndChangesNothing)
{
    NamedNode* pNew = Make("new");
    EXPECT_FALSE(Node("a")->InsertChild(pNew, Node("b1")));
    EXPECT_EQ(nullptr, pNew->GetParent());
    EXPECT_EQ(Node("a2"), Node("a1")->GetNextSibling());
    EXPECT_TRUE(Node("a")->InsertChild(pNew, Node("a1")));
    EXPECT_EQ(pNew, Node("a1")->GetNextSibling());
    EXPECT_EQ(Node("a2"), pNew->GetNextSibling());
    EXPECT_EQ(pNew, Node("a2")->GetPrevSibling());
    // Into an empty parent any position makes the only child.
    NamedNode* pOnly = Make("only");
    EXPECT_TRUE(Node("a2")->InsertChild(pOnly, Node("b")));
    EXPECT_EQ(pOnly, Node("a2")->GetFirstChild());
}

TEST_F(FwTreeNodeTest, UnlinkOfAFirstChildPromotesItsSibling)
{
    NamedNode* pA1 = Node("a1");
    pA1->Unlink();
    EXPECT_EQ(Node("a2"), Node("a")->GetFirstChild());
    EXPECT_EQ(nullptr, Node("a2")->GetPrevSibling());
    EXPECT_EQ(nullptr, pA1->GetParent());
    delete pA1; // takes a1x with it
}

TEST_F(FwTreeNodeTest, DeleteAllChildrenDeletesLeavesFirst)
{
    std::vector<std::string> deleted;
    g_pDeleted = &deleted;
    Node("a")->DeleteAllChildren();
    EXPECT_EQ((std::vector<std::string>{"a1x", "a1", "a2"}), deleted);
    EXPECT_EQ(nullptr, Node("a")->GetFirstChild());
    deleted.clear();
    m_root.DeleteAllChildren();
    EXPECT_EQ((std::vector<std::string>{"a", "b1", "b"}), deleted);
    EXPECT_EQ(nullptr, m_root.GetFirstChild());
}

TEST_F(FwTreeNodeTest, HiddenLevelsJoinTheNodesBelowThemIntoOneChain)
{
    m_root.SetHiddenLevels(1);
    // Depth 2 (a1, a2, b1) behaves as one chain under the root.
    EXPECT_EQ(&m_root, Node("a1")->GetParent());
    EXPECT_EQ(Node("b1"), Node("a2")->GetNextSibling());
    EXPECT_EQ(Node("a2"), Node("b1")->GetPrevSibling());
    EXPECT_EQ(nullptr, Node("b1")->GetNextSibling());
    m_root.SetHiddenLevels(0);
    EXPECT_EQ(Node("a"), Node("a1")->GetParent());
    EXPECT_EQ(nullptr, Node("a2")->GetNextSibling());
}
} // namespace
