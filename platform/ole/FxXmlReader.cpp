#include "platform/ole/FxXmlReader.h"

#include <ole2.h>

#include "platform/base/FxBstr.h"
#include "platform/ole/FxMsXml.h"

namespace
{
CString BstrText(BSTR bstr)
{
    return bstr != nullptr ? CString(static_cast<LPCWSTR>(bstr)) : CString();
}

// One of the node's string properties (its name, its text) as GBK text.
BOOL NodeString(IXMLDOMNode* pNode, HRESULT (STDMETHODCALLTYPE IXMLDOMNode::*pfnGet)(BSTR*), CString& strValue)
{
    BSTR raw = nullptr;
    if (FAILED((pNode->*pfnGet)(&raw))) {
        return FALSE;
    }
    CFxBstr bstr(raw);
    strValue = BstrText(bstr);
    return TRUE;
}
} // namespace

BOOL CFxXmlReader::Create()
{
    CFxComPtr<IUnknown> pUnknown;
    if (FAILED(CoCreateInstance(kClsidDOMDocument, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                pUnknown.ReceiveVoid()))) {
        return FALSE;
    }
    OleRun(pUnknown);
    if (FAILED(pUnknown->QueryInterface(kIidXMLDOMDocument, m_pDoc.ReceiveVoid()))) {
        return FALSE;
    }
    m_pDoc->put_async(VARIANT_FALSE);
    return TRUE;
}

BOOL CFxXmlReader::LoadText(const CString& strXml)
{
    if (!m_pDoc.IsValid()) {
        return FALSE;
    }
    CFxBstr bstrText(strXml.AllocSysString());
    VARIANT_BOOL bLoaded = VARIANT_FALSE;
    return SUCCEEDED(m_pDoc->loadXML(bstrText, &bLoaded)) && bLoaded == VARIANT_TRUE;
}

BOOL CFxXmlReader::GetRoot(CFxComPtr<IXMLDOMElement>& pRoot) const
{
    return m_pDoc.IsValid() && SUCCEEDED(m_pDoc->get_documentElement(pRoot.Receive())) && pRoot.IsValid();
}

BOOL CFxXmlReader::GetNodeName(IXMLDOMNode* pNode, CString& strName)
{
    return NodeString(pNode, &IXMLDOMNode::get_nodeName, strName);
}

BOOL CFxXmlReader::GetNodeText(IXMLDOMNode* pNode, CString& strText)
{
    return NodeString(pNode, &IXMLDOMNode::get_text, strText);
}

BOOL CFxXmlReader::GetAttribute(IXMLDOMNode* pNode, LPCWSTR pwszName, CString& strValue)
{
    CFxComPtr<IXMLDOMElement> pElem;
    if (FAILED(pNode->QueryInterface(kIidXMLDOMElement, pElem.ReceiveVoid()))) {
        return FALSE;
    }
    VARIANT value;
    VariantInit(&value);
    CFxBstr bstrName(SysAllocString(pwszName));
    // A missing attribute is S_FALSE with a null value.
    const BOOL bFound = pElem->getAttribute(bstrName, &value) == S_OK && value.vt == VT_BSTR;
    if (bFound) {
        strValue = BstrText(value.bstrVal);
    }
    VariantClear(&value);
    return bFound;
}

BOOL CFxXmlReader::NextElement(IXMLDOMNode* pParent, CFxComPtr<IXMLDOMNode>& pChild)
{
    CFxComPtr<IXMLDOMNode> pNext;
    const HRESULT hr =
        pChild.IsValid() ? pChild->get_nextSibling(pNext.Receive()) : pParent->get_firstChild(pNext.Receive());
    if (FAILED(hr)) {
        return FALSE;
    }
    while (pNext.IsValid()) {
        DOMNodeType type = NODE_INVALID;
        if (FAILED(pNext->get_nodeType(&type))) {
            return FALSE;
        }
        if (type == NODE_ELEMENT) {
            break;
        }
        CFxComPtr<IXMLDOMNode> pAfter;
        if (FAILED(pNext->get_nextSibling(pAfter.Receive()))) {
            return FALSE;
        }
        pNext.Attach(pAfter.Detach());
    }
    pChild.Attach(pNext.Detach());
    return TRUE;
}
