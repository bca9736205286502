// Result codes of the media and window services, shaped like COM's HRESULT:
// negative values are failures, and the messages that print one show its
// 32-bit pattern in hex.
#pragma once
#include <cstdint>

namespace platform {

using HRESULT = std::int32_t;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);
inline constexpr HRESULT E_ABORT = static_cast<HRESULT>(0x80004004u);  // timed out, nothing waiting
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_UNEXPECTED = static_cast<HRESULT>(0x8000FFFFu);
// The file could not be rendered: no stream the media framework can decode.
inline constexpr HRESULT VFW_E_CANNOT_RENDER = static_cast<HRESULT>(0x80040218u);

inline constexpr bool Failed(HRESULT hr) { return hr < 0; }
inline constexpr bool Succeeded(HRESULT hr) { return hr >= 0; }

}  // namespace platform
