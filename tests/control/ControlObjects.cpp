#include "control/ControlObjects.h"

ComPtr<IUnknown> NewControl(ControlCreator creator) {
    ComPtr<IUnknown> control;
    creator(nullptr, IID_IUnknown, reinterpret_cast<void**>(control.ReleaseAndGetAddressOf()));
    return control;
}

ComPtr<IStream> StreamHolding(const std::vector<BYTE>& bytes) {
    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.ReleaseAndGetAddressOf()))) return nullptr;
    ULONG written = 0;
    if (!bytes.empty()) stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written);
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    return stream;
}

std::vector<BYTE> StreamContent(IStream* stream) {
    const ULONGLONG position = StreamPosition(stream);
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    std::vector<BYTE> bytes;
    BYTE buffer[256];
    ULONG read = 0;
    while (SUCCEEDED(stream->Read(buffer, sizeof buffer, &read)) && read > 0)
        bytes.insert(bytes.end(), buffer, buffer + read);
    LARGE_INTEGER back;
    back.QuadPart = static_cast<LONGLONG>(position);
    stream->Seek(back, STREAM_SEEK_SET, nullptr);
    return bytes;
}

ULONGLONG StreamPosition(IStream* stream) {
    ULARGE_INTEGER position{};
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &position);
    return position.QuadPart;
}

void PutDword(std::vector<BYTE>& bytes, DWORD value) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<BYTE>(value >> (8 * i)));
}

void PutWord(std::vector<BYTE>& bytes, WORD value) {
    bytes.push_back(static_cast<BYTE>(value));
    bytes.push_back(static_cast<BYTE>(value >> 8));
}
