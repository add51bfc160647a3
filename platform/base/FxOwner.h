// The shape every single-handle owner shares: it holds one handle, hands it out with Detach and
// releases it once, through its release policy, in Close and in its destructor.
#pragma once

#include <windows.h>

// The usual policy base: null is the empty value and every other value is held.
template <class H> struct CFxNullIsEmpty
{
    using Handle = H;

    static H Empty() { return nullptr; }
    static BOOL IsHeld(H h) { return h != nullptr; }
};

// Policy gives: Handle; static Handle Empty(); static BOOL IsHeld(Handle); Result Release(Handle)
// (called only for a held handle); static Result NothingHeld(), what Close returns when nothing
// was held. The policy is a member, so a release that depends on how the handle was made (a
// change notification) keeps that state beside the handle.
template <class Policy> class CFxOwner
{
public:
    using Handle = typename Policy::Handle;
    using Result = decltype(Policy::NothingHeld());

    ~CFxOwner() { Close(); }
    CFxOwner(const CFxOwner&) = delete;
    CFxOwner& operator=(const CFxOwner&) = delete;

    operator Handle() const { return m_handle; }
    BOOL IsValid() const { return Policy::IsHeld(m_handle); }
    // Releases the held handle first.
    void Attach(Handle handle)
    {
        Close();
        m_handle = handle;
    }
    // The caller releases what this returns.
    Handle Detach()
    {
        Handle handle = m_handle;
        m_handle = Policy::Empty();
        return handle;
    }
    // The slot a creating call or an [out] parameter fills; what was held is released first.
    Handle* Receive()
    {
        Close();
        return &m_handle;
    }
    Result Close()
    {
        // Detach first: a failed release must not leave the handle for the destructor to try again.
        Handle handle = Detach();
        if (!Policy::IsHeld(handle)) {
            return Policy::NothingHeld();
        }
        return m_policy.Release(handle);
    }

protected:
    explicit CFxOwner(Handle handle = Policy::Empty(), Policy policy = Policy()) : m_handle(handle), m_policy(policy) {}

    Handle m_handle;
    Policy m_policy;
};
