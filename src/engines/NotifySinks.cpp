// SPDX-License-Identifier: GPL-3.0-or-later
#include "NotifySinks.h"

#include <QCoreApplication>

namespace engines {

using namespace speech;

namespace {
class ErrorObject : public ITTSErrorObject {
public:
    ErrorObject(HRESULT code, std::string text) : FCode(code), FText(std::move(text)) {}
    HRESULT GetErrorInfo(TTSERRORINFO& info) override {
        info.Code = FCode;
        std::string text = FText.empty() ? ResultText(FCode) : FText;
        CopyField(
            info.Text,
            text.empty()
                ? QCoreApplication::translate("ErrorObject", "Speech engine error.").toStdString()
                : text);
        return S_OK;
    }

private:
    HRESULT FCode;
    std::string FText;
};
} // namespace

HRESULT TNotifySinks::Of(const std::shared_ptr<IUnknown>& sink, const GUID& iid, Sink& out) {
    out = {};
    if (iid == IID_ITTSNotifySink2A) {
        if (Failed(speech::QueryInterface(sink, out.extended)))
            return E_NOINTERFACE;
        out.basic = out.extended;
        return S_OK;
    }
    if (iid == IID_ITTSNotifySinkA && !Failed(speech::QueryInterface(sink, out.basic)))
        return S_OK;
    return E_NOINTERFACE;
}

std::vector<Sink> TNotifySinks::Copy() const {
    std::vector<Sink> out;
    out.reserve(FSinks.size());
    for (const auto& [key, s] : FSinks)
        out.push_back(s);
    return out;
}

void NotifyStart(const std::vector<Sink>& sinks) {
    for (const Sink& s : sinks)
        s.basic->AudioStart(0);
}

void NotifyStop(const std::vector<Sink>& sinks) {
    for (const Sink& s : sinks)
        s.basic->AudioStop(0);
}

void NotifyError(const std::vector<Sink>& sinks, HRESULT code, std::string text) {
    auto error = std::make_shared<ErrorObject>(code, std::move(text));
    for (const Sink& s : sinks)
        if (s.extended)
            s.extended->Error(error);
}

} // namespace engines
