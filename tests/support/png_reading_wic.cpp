// PNG files read with the Windows Imaging Component.
#include <string>

#include "png_picture.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <objbase.h>
#include <wincodec.h>

namespace test_support {

namespace {

template <class Interface>
struct Released {
  Interface* pointer = nullptr;
  ~Released() {
    if (pointer != nullptr) pointer->Release();
  }
};

std::wstring Wide(const std::string& path) {
  const int length = ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
  if (length > 0) ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, text.data(), length);
  text.resize(text.size() - 1);
  return text;
}

bool Decode(const std::string& path, PngPicture* picture) {
  Released<IWICImagingFactory> factory;
  if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(&factory.pointer)))) {
    return false;
  }
  Released<IWICBitmapDecoder> decoder;
  if (FAILED(factory.pointer->CreateDecoderFromFilename(Wide(path).c_str(), nullptr, GENERIC_READ,
                                                        WICDecodeMetadataCacheOnDemand, &decoder.pointer))) {
    return false;
  }
  GUID container{};
  if (FAILED(decoder.pointer->GetContainerFormat(&container)) || container != GUID_ContainerFormatPng) return false;
  Released<IWICBitmapFrameDecode> frame;
  if (FAILED(decoder.pointer->GetFrame(0, &frame.pointer))) return false;
  Released<IWICFormatConverter> converter;
  if (FAILED(factory.pointer->CreateFormatConverter(&converter.pointer)) ||
      FAILED(converter.pointer->Initialize(frame.pointer, GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone,
                                           nullptr, 0.0, WICBitmapPaletteTypeCustom))) {
    return false;
  }
  UINT width = 0;
  UINT height = 0;
  if (FAILED(converter.pointer->GetSize(&width, &height))) return false;
  std::vector<std::uint8_t> bgr(static_cast<std::size_t>(width) * height * 3);
  if (FAILED(converter.pointer->CopyPixels(nullptr, width * 3, static_cast<UINT>(bgr.size()), bgr.data()))) return false;
  picture->width = static_cast<int>(width);
  picture->height = static_cast<int>(height);
  picture->rgb.resize(bgr.size());
  for (std::size_t i = 0; i + 2 < bgr.size(); i += 3) {
    picture->rgb[i] = bgr[i + 2];
    picture->rgb[i + 1] = bgr[i + 1];
    picture->rgb[i + 2] = bgr[i];
  }
  return true;
}

}  // namespace

bool ReadPng(const std::string& path, PngPicture* picture) {
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  const bool read = Decode(path, picture);
  if (SUCCEEDED(com)) ::CoUninitialize();
  return read;
}

}  // namespace test_support
