// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/x11/GlobalHotkeys.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QList>
#include <QRandomGenerator>
#include <QSet>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace platform {

namespace {

constexpr std::uint16_t kModMask = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1;
constexpr xcb_keysym_t kNumLock = 0xff7f;

// The X keysym of a key as Qt names it; 0 for keys this program has no name for.
xcb_keysym_t Keysym(QKeyCombination combination) {
    const int key = combination.key();
    const bool keypad = combination.keyboardModifiers() & Qt::KeypadModifier;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return xcb_keysym_t('a' + key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return xcb_keysym_t(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return xcb_keysym_t(0xffbe + key - Qt::Key_F1);
    static const struct {
        int Key;
        bool Keypad;
        xcb_keysym_t Sym;
    } table[] = {
        {Qt::Key_Backspace, false, 0xff08},  {Qt::Key_Tab, false, 0xff09},
        {Qt::Key_Return, false, 0xff0d},     {Qt::Key_Pause, false, 0xff13},
        {Qt::Key_ScrollLock, false, 0xff14}, {Qt::Key_Escape, false, 0xff1b},
        {Qt::Key_Home, false, 0xff50},       {Qt::Key_Left, false, 0xff51},
        {Qt::Key_Up, false, 0xff52},         {Qt::Key_Right, false, 0xff53},
        {Qt::Key_Down, false, 0xff54},       {Qt::Key_PageUp, false, 0xff55},
        {Qt::Key_PageDown, false, 0xff56},   {Qt::Key_End, false, 0xff57},
        {Qt::Key_Print, false, 0xff61},      {Qt::Key_Insert, false, 0xff63},
        {Qt::Key_NumLock, false, kNumLock},  {Qt::Key_CapsLock, false, 0xffe5},
        {Qt::Key_Delete, false, 0xffff},     {Qt::Key_Space, false, 0x20},
        {Qt::Key_Apostrophe, false, 0x27},   {Qt::Key_Comma, false, 0x2c},
        {Qt::Key_Minus, false, 0x2d},        {Qt::Key_Period, false, 0x2e},
        {Qt::Key_Slash, false, 0x2f},        {Qt::Key_Semicolon, false, 0x3b},
        {Qt::Key_Equal, false, 0x3d},        {Qt::Key_BracketLeft, false, 0x5b},
        {Qt::Key_Backslash, false, 0x5c},    {Qt::Key_BracketRight, false, 0x5d},
        {Qt::Key_QuoteLeft, false, 0x60},    {Qt::Key_Asterisk, true, 0xffaa},
        {Qt::Key_Plus, true, 0xffab},        {Qt::Key_Minus, true, 0xffad},
        {Qt::Key_Period, true, 0xffae},      {Qt::Key_Slash, true, 0xffaf},
    };
    for (const auto& t : table)
        if (t.Key == key && t.Keypad == keypad)
            return t.Sym;
    return 0;
}

std::uint16_t XMods(Qt::KeyboardModifiers mods) {
    std::uint16_t m = 0;
    if (mods & Qt::ShiftModifier)
        m |= XCB_MOD_MASK_SHIFT;
    if (mods & Qt::ControlModifier)
        m |= XCB_MOD_MASK_CONTROL;
    if (mods & Qt::AltModifier)
        m |= XCB_MOD_MASK_1;
    return m;
}

class TX11GlobalHotkeys : public IGlobalHotkeys, public QAbstractNativeEventFilter {
public:
    TX11GlobalHotkeys(xcb_connection_t* c, bool underWayland)
        : FConn(c), FUnderWayland(underWayland) {
        FRoot = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        FSymbols = xcb_key_symbols_alloc(c);
        FNumLockMask = NumLockMask();
        FLentAtom = InternAtom("_NURVA_LENT_KEYCODES");
        FLenderAtom = InternAtom("_NURVA_LENDER");
        // The mark of this process among the lenders: a window, which goes when the process
        // does, however it ends. The server hands a later client the same window numbers, so
        // the window carries a number of this process's own.
        FMarker = xcb_generate_id(c);
        FNonce = QRandomGenerator::system()->generate();
        xcb_create_window(c, XCB_COPY_FROM_PARENT, FMarker, FRoot, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, FMarker, FLenderAtom, XCB_ATOM_CARDINAL, 32,
                            1, &FNonce);
        GiveBackAbandoned();
        qApp->installNativeEventFilter(this);
    }

    ~TX11GlobalHotkeys() override {
        ReleaseAll();
        if (qApp)
            qApp->removeNativeEventFilter(this);
        xcb_destroy_window(FConn, FMarker);
        xcb_flush(FConn);
        xcb_key_symbols_free(FSymbols);
    }

    bool Available() const override { return true; }

    bool Limited() const override { return FUnderWayland; }

    QString Status() const override {
        return FUnderWayland
                   ? QCoreApplication::translate(
                         "TX11GlobalHotkeys",
                         "Global hotkeys work only while an X11 window has the focus (Wayland).")
                   : QCoreApplication::translate(
                         "TX11GlobalHotkeys",
                         "Global hotkeys: X11 key grabs, whichever window has the focus.");
    }

    void Suspend(bool suspended) override { FSuspended = suspended; }

    bool Register(int id, QKeyCombination key) override {
        if (auto it = FById.find(id); it != FById.end()) {
            ++it->Count; // the same name registered again: one grab serves both
            return it->Grabbed;
        }
        TGrab g;
        g.Key = key;
        g.Mods = XMods(key.keyboardModifiers());
        const xcb_keysym_t sym = Keysym(key);
        g.Code = sym ? KeycodeFor(sym) : 0;
        if (g.Code != 0)
            g.Grabbed = Grab(g.Code, g.Mods);
        FById.insert(id, g);
        return g.Grabbed;
    }

    void Unregister(int id) override {
        auto it = FById.find(id);
        if (it == FById.end() || --it->Count > 0)
            return;
        const xcb_keycode_t code = it->Code;
        const std::uint16_t mods = it->Mods;
        const bool grabbed = it->Grabbed;
        FById.erase(it);
        if (grabbed && !GrabbedElsewhere(code, mods))
            Ungrab(code, mods);
        if (FBorrowed.contains(code) && !CodeInUse(code)) {
            FBorrowed.remove(code);
            SetKeycode(code, 0); // the keycode lent to a key the keymap lacked goes back
            RecordLent(code, 0);
        }
        xcb_flush(FConn);
    }

    void ReleaseAll() override {
        while (!FById.isEmpty()) {
            FById.begin()->Count = 1;
            Unregister(FById.begin().key());
        }
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t")
            return false;
        auto* event = static_cast<xcb_generic_event_t*>(message);
        const std::uint8_t kind = event->response_type & ~0x80;
        if (kind == XCB_MAPPING_NOTIFY) {
            xcb_refresh_keyboard_mapping(FSymbols,
                                         reinterpret_cast<xcb_mapping_notify_event_t*>(event));
            return false;
        }
        if (kind != XCB_KEY_PRESS || FSuspended)
            return false;
        auto* press = reinterpret_cast<xcb_key_press_event_t*>(event);
        const std::uint16_t mods = press->state & kModMask;
        QList<QKeyCombination> keys;
        for (const TGrab& g : std::as_const(FById))
            if (g.Grabbed && g.Code == press->detail && g.Mods == mods && !keys.contains(g.Key))
                keys << g.Key;
        for (QKeyCombination k : keys)
            emit pressed(k);
        return !keys.isEmpty();
    }

private:
    struct TGrab {
        QKeyCombination Key;
        xcb_keycode_t Code = 0;
        std::uint16_t Mods = 0;
        bool Grabbed = false;
        int Count = 1;
    };

    // The lock variants a grab must cover: none, Caps Lock, Num Lock and both.
    std::vector<std::uint16_t> LockVariants() const {
        return {0, XCB_MOD_MASK_LOCK, FNumLockMask,
                std::uint16_t(XCB_MOD_MASK_LOCK | FNumLockMask)};
    }

    bool Grab(xcb_keycode_t code, std::uint16_t mods) {
        std::vector<xcb_void_cookie_t> cookies;
        for (std::uint16_t lock : LockVariants())
            cookies.push_back(xcb_grab_key_checked(FConn, 1, FRoot, mods | lock, code,
                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        bool ok = true;
        for (xcb_void_cookie_t c : cookies)
            if (xcb_generic_error_t* error = xcb_request_check(FConn, c)) {
                ok = false; // BadAccess: another client holds the combination
                std::free(error);
            }
        if (!ok)
            Ungrab(code, mods);
        return ok;
    }

    void Ungrab(xcb_keycode_t code, std::uint16_t mods) {
        for (std::uint16_t lock : LockVariants())
            xcb_ungrab_key(FConn, code, FRoot, mods | lock);
        xcb_flush(FConn);
    }

    bool CodeInUse(xcb_keycode_t code) const {
        for (const TGrab& g : FById)
            if (g.Code == code)
                return true;
        return false;
    }

    bool GrabbedElsewhere(xcb_keycode_t code, std::uint16_t mods) const {
        for (const TGrab& g : FById)
            if (g.Grabbed && g.Code == code && g.Mods == mods)
                return true;
        return false;
    }

    // The keycode that gives `sym`. A key the keymap lacks (F13 to F24 on most layouts) gets a
    // keycode nobody uses, so that it can still be grabbed and pressed.
    xcb_keycode_t KeycodeFor(xcb_keysym_t sym) {
        if (xcb_keycode_t* codes = xcb_key_symbols_get_keycode(FSymbols, sym)) {
            const xcb_keycode_t code = codes[0];
            std::free(codes);
            if (code != XCB_NO_SYMBOL)
                return code;
        }
        const xcb_setup_t* setup = xcb_get_setup(FConn);
        const int first = setup->min_keycode, count = setup->max_keycode - first + 1;
        auto* reply = xcb_get_keyboard_mapping_reply(
            FConn, xcb_get_keyboard_mapping(FConn, xcb_keycode_t(first), std::uint8_t(count)),
            nullptr);
        if (!reply)
            return 0;
        const int per = reply->keysyms_per_keycode;
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply);
        xcb_keycode_t spare = 0;
        for (int k = count - 1; k >= 0 && spare == 0; --k) {
            bool empty = true;
            for (int j = 0; j < per && empty; ++j)
                empty = syms[k * per + j] == 0;
            if (empty)
                spare = xcb_keycode_t(first + k);
        }
        std::free(reply);
        if (spare == 0 || !SetKeycode(spare, sym))
            return 0;
        FBorrowed.insert(spare);
        RecordLent(spare, sym);
        return spare;
    }

    // The keycodes lent out are noted on the X server, beside the window of the process that
    // lent them. A process that could not give them back (killed, crashed) leaves them there;
    // the next start puts back those whose lender is gone and that still give the key lent.
    struct TLent {
        xcb_window_t Lender;
        std::uint32_t Nonce;
        xcb_keycode_t Code;
        xcb_keysym_t Sym;
    };

    xcb_atom_t InternAtom(const char* name) {
        xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
            FConn, xcb_intern_atom(FConn, 0, std::uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t atom = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(r);
        return atom;
    }

    std::vector<TLent> ReadLent() {
        std::vector<TLent> lent;
        auto* r = xcb_get_property_reply(
            FConn, xcb_get_property(FConn, 0, FRoot, FLentAtom, XCB_ATOM_CARDINAL, 0, 4 * 256),
            nullptr);
        if (r && r->format == 32) {
            const auto* v = static_cast<const std::uint32_t*>(xcb_get_property_value(r));
            const int n = xcb_get_property_value_length(r) / 4;
            for (int i = 0; i + 3 < n; i += 4)
                lent.push_back({v[i], v[i + 1], xcb_keycode_t(v[i + 2]), v[i + 3]});
        }
        std::free(r);
        return lent;
    }

    void WriteLent(const std::vector<TLent>& lent) {
        std::vector<std::uint32_t> v;
        for (const TLent& l : lent)
            v.insert(v.end(), {l.Lender, l.Nonce, l.Code, l.Sym});
        if (v.empty())
            xcb_delete_property(FConn, FRoot, FLentAtom);
        else
            xcb_change_property(FConn, XCB_PROP_MODE_REPLACE, FRoot, FLentAtom, XCB_ATOM_CARDINAL,
                                32, std::uint32_t(v.size()), v.data());
    }

    // Adds this process's loan of `code` (`sym` not 0) or takes it away (`sym` 0). The server
    // is held meanwhile, so that two programs noting loans at once lose neither.
    void RecordLent(xcb_keycode_t code, xcb_keysym_t sym) {
        if (FLentAtom == XCB_ATOM_NONE)
            return;
        xcb_grab_server(FConn);
        std::vector<TLent> lent = ReadLent();
        std::erase_if(lent, [&](const TLent& l) { return l.Lender == FMarker && l.Code == code; });
        if (sym != 0)
            lent.push_back({FMarker, FNonce, code, sym});
        WriteLent(lent);
        xcb_ungrab_server(FConn);
        xcb_flush(FConn);
    }

    // Whether the lender of `l` still runs: its window is there and carries its number.
    bool LenderRuns(const TLent& l) {
        xcb_generic_error_t* error = nullptr;
        auto* r = xcb_get_property_reply(
            FConn, xcb_get_property(FConn, 0, l.Lender, FLenderAtom, XCB_ATOM_CARDINAL, 0, 1),
            &error);
        const bool runs = r && r->format == 32 && xcb_get_property_value_length(r) == 4 &&
                          *static_cast<const std::uint32_t*>(xcb_get_property_value(r)) == l.Nonce;
        std::free(r);
        std::free(error);
        return runs;
    }

    void GiveBackAbandoned() {
        if (FLentAtom == XCB_ATOM_NONE || FLenderAtom == XCB_ATOM_NONE)
            return;
        xcb_grab_server(FConn);
        std::vector<TLent> lent = ReadLent();
        const std::size_t before = lent.size();
        std::erase_if(lent, [&](const TLent& l) {
            if (LenderRuns(l))
                return false;
            // Someone may have given the keycode another key since: that one stays.
            if (KeysymOf(l.Code) == l.Sym)
                SetKeycode(l.Code, 0);
            return true;
        });
        if (lent.size() != before)
            WriteLent(lent);
        xcb_ungrab_server(FConn);
        xcb_flush(FConn);
    }

    xcb_keysym_t KeysymOf(xcb_keycode_t code) {
        auto* reply = xcb_get_keyboard_mapping_reply(
            FConn, xcb_get_keyboard_mapping(FConn, code, 1), nullptr);
        xcb_keysym_t sym = 0;
        if (reply && reply->keysyms_per_keycode > 0)
            sym = xcb_get_keyboard_mapping_keysyms(reply)[0];
        std::free(reply);
        return sym;
    }

    bool SetKeycode(xcb_keycode_t code, xcb_keysym_t sym) {
        const xcb_keysym_t syms[2] = {sym, sym};
        xcb_generic_error_t* error =
            xcb_request_check(FConn, xcb_change_keyboard_mapping_checked(FConn, 1, code, 2, syms));
        std::free(error);
        xcb_key_symbols_free(FSymbols);
        FSymbols = xcb_key_symbols_alloc(FConn);
        return !error;
    }

    std::uint16_t NumLockMask() {
        std::uint16_t mask = XCB_MOD_MASK_2; // where nearly every keymap puts it
        xcb_keycode_t* numLock = xcb_key_symbols_get_keycode(FSymbols, kNumLock);
        auto* reply =
            xcb_get_modifier_mapping_reply(FConn, xcb_get_modifier_mapping(FConn), nullptr);
        if (numLock && reply) {
            const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(reply);
            const int per = reply->keycodes_per_modifier;
            for (int m = 0; m < 8; ++m)
                for (int j = 0; j < per; ++j)
                    for (const xcb_keycode_t* n = numLock; *n != XCB_NO_SYMBOL; ++n)
                        if (codes[m * per + j] != 0 && codes[m * per + j] == *n)
                            mask = std::uint16_t(1 << m);
        }
        std::free(numLock);
        std::free(reply);
        return mask;
    }

    xcb_connection_t* FConn;
    bool FUnderWayland;
    xcb_window_t FRoot = 0;
    xcb_key_symbols_t* FSymbols = nullptr;
    std::uint16_t FNumLockMask = XCB_MOD_MASK_2;
    QHash<int, TGrab> FById;
    QSet<xcb_keycode_t> FBorrowed; // spare keycodes given to keys the keymap lacked
    xcb_atom_t FLentAtom = XCB_ATOM_NONE;
    xcb_atom_t FLenderAtom = XCB_ATOM_NONE;
    xcb_window_t FMarker = 0;
    std::uint32_t FNonce = 0;
    bool FSuspended = false;
};

} // namespace

std::shared_ptr<IGlobalHotkeys> CreateX11GlobalHotkeys(bool underWayland) {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return nullptr;
    return std::make_shared<TX11GlobalHotkeys>(x11->connection(), underWayland);
}

} // namespace platform
