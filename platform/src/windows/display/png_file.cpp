// PNG files through the Windows Imaging Component, Windows' own codecs,
// encoded in memory and put in place by the rules of picture_file.h.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "display/picture_file.h"
#include "display/snapshot.h"
#include "windows/native.h"

#include <objbase.h>
#include <wincodec.h>

namespace win32::detail {

namespace {

// Releases a COM interface at the end of its scope.
template <class Interface>
class Com {
 public:
  Com() = default;
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  ~Com() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  Interface** out() { return &pointer_; }
  Interface* operator->() const { return pointer_; }
  Interface* get() const { return pointer_; }

 private:
  Interface* pointer_ = nullptr;
};

std::string describe(const char* step, ::HRESULT result) {
  char text[96];
  std::snprintf(text, sizeof text, "%s failed (HRESULT 0x%08lX)", step, static_cast<unsigned long>(result));
  return text;
}

// Encodes 24-bit BGR rows (WIC's order) into `png`.
::HRESULT encode(const display::ClientPicture& picture, std::vector<::BYTE>& bgr, std::vector<std::uint8_t>* png,
                 std::string* error) {
  Com<::IWICImagingFactory> factory;
  ::HRESULT hr = ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                    reinterpret_cast<void**>(factory.out()));
  if (FAILED(hr)) {
    *error = describe("creating the imaging factory", hr);
    return hr;
  }
  Com<::IStream> stream;
  hr = ::CreateStreamOnHGlobal(nullptr, TRUE, stream.out());
  Com<::IWICBitmapEncoder> encoder;
  if (SUCCEEDED(hr)) hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out());
  if (SUCCEEDED(hr)) hr = encoder->Initialize(stream.get(), WICBitmapEncoderNoCache);
  Com<::IWICBitmapFrameEncode> frame;
  if (SUCCEEDED(hr)) hr = encoder->CreateNewFrame(frame.out(), nullptr);
  if (SUCCEEDED(hr)) hr = frame->Initialize(nullptr);
  if (SUCCEEDED(hr)) hr = frame->SetSize(static_cast<::UINT>(picture.width), static_cast<::UINT>(picture.height));
  ::WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (SUCCEEDED(hr)) hr = frame->SetPixelFormat(&format);
  if (SUCCEEDED(hr) && format != GUID_WICPixelFormat24bppBGR) hr = E_FAIL;
  const ::UINT stride = static_cast<::UINT>(picture.width) * 3;
  if (SUCCEEDED(hr)) {
    hr = frame->WritePixels(static_cast<::UINT>(picture.height), stride, static_cast<::UINT>(bgr.size()), bgr.data());
  }
  if (SUCCEEDED(hr)) hr = frame->Commit();
  if (SUCCEEDED(hr)) hr = encoder->Commit();
  ::HGLOBAL memory = nullptr;
  if (SUCCEEDED(hr)) hr = ::GetHGlobalFromStream(stream.get(), &memory);
  ::STATSTG status{};
  if (SUCCEEDED(hr)) hr = stream->Stat(&status, STATFLAG_NONAME);
  if (FAILED(hr)) {
    *error = describe("encoding the PNG", hr);
    return hr;
  }
  const auto* bytes = static_cast<const std::uint8_t*>(::GlobalLock(memory));
  png->assign(bytes, bytes + status.cbSize.QuadPart);
  ::GlobalUnlock(memory);
  return hr;
}

}  // namespace

bool write_png(const display::ClientPicture& picture, const std::string& path, std::string* error) {
  std::vector<::BYTE> bgr(picture.pixels.size() * 3);
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    bgr[3 * i] = static_cast<::BYTE>((picture.pixels[i] >> 16) & 0xFF);
    bgr[3 * i + 1] = static_cast<::BYTE>((picture.pixels[i] >> 8) & 0xFF);
    bgr[3 * i + 2] = static_cast<::BYTE>(picture.pixels[i] & 0xFF);
  }
  // COM for this thread, for as long as the encoding takes; a thread that
  // already uses COM keeps its own choice of apartment.
  const ::HRESULT com = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  std::vector<std::uint8_t> png;
  const ::HRESULT encoded = encode(picture, bgr, &png, error);
  if (SUCCEEDED(com)) ::CoUninitialize();
  // Encoded in memory first, so that the file is put in place by the rules
  // of write_picture_file.
  return SUCCEEDED(encoded) && write_picture_file(path, png, error);
}

}  // namespace win32::detail
