// Reads XML through the MSXML DOM: makes and loads the document, and walks its elements, names,
// texts and attributes as GBK text. Callers hold COM (CFxComScope) for the reader's life.
#pragma once

#include <objbase.h>
#include <msxml2.h>

#include "platform/base/FxComPtr.h"
#include "platform/base/FxExport.h"
#include "platform/base/String.h"

class FX_API CFxXmlReader
{
public:
    CFxXmlReader() = default;
    CFxXmlReader(const CFxXmlReader&) = delete;
    CFxXmlReader& operator=(const CFxXmlReader&) = delete;

    // A new synchronous DOM document; FALSE when MSXML cannot be made.
    BOOL Create();
    // loadXML of the text widened from GBK; FALSE when it does not parse.
    BOOL LoadText(const CString& strXml);
    IXMLDOMDocument* GetDocument() const { return m_pDoc; }
    // The document element; FALSE when there is none.
    BOOL GetRoot(CFxComPtr<IXMLDOMElement>& pRoot) const;

    static BOOL GetNodeName(IXMLDOMNode* pNode, CString& strName);
    static BOOL GetNodeText(IXMLDOMNode* pNode, CString& strText);
    // FALSE when the node is no element or has no such attribute (or a value that is no text).
    static BOOL GetAttribute(IXMLDOMNode* pNode, LPCWSTR pwszName, CString& strValue);
    // Moves pChild to the next element child of pParent (the first one while pChild is empty).
    // Comments, processing instructions and text between elements are stepped over. FALSE when
    // the DOM fails; at the end pChild is left empty.
    static BOOL NextElement(IXMLDOMNode* pParent, CFxComPtr<IXMLDOMNode>& pChild);

    // Calls fn(IXMLDOMNode*) for each element child in document order; FALSE when the DOM fails
    // or fn returns FALSE, which ends the walk.
    template <class Fn> static BOOL ForEachElement(IXMLDOMNode* pParent, Fn fn)
    {
        CFxComPtr<IXMLDOMNode> pChild;
        while (NextElement(pParent, pChild)) {
            if (!pChild.IsValid()) {
                return TRUE;
            }
            if (!fn(static_cast<IXMLDOMNode*>(pChild))) {
                return FALSE;
            }
        }
        return FALSE;
    }

private:
    CFxComPtr<IXMLDOMDocument> m_pDoc;
};
