#include "dialogs/folder_picker.h"

#include <objbase.h>
#include <shobjidl.h>

#include "win/system_error.h"
#include "win/system_library.h"

namespace vintrel {
namespace {

constexpr wchar_t kCom[] = L"ole32.dll";
// CLSID_FileOpenDialog, written out: its definition lives in a library the
// program does not link.
constexpr CLSID kFileOpenDialog = {
    0xDC1C5A9C, 0xE88A, 0x4DDE, {0xA5, 0xA1, 0x60, 0xF8, 0x2A, 0x20, 0xAE, 0xF7}};

// The dialog is a COM object of the calling thread's apartment.
class Apartment {
 public:
  Apartment() {
    const auto initialize =
        win::RequireSystemFunction<decltype(::CoInitializeEx)>(kCom, "CoInitializeEx");
    result_ = initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  }
  ~Apartment() {
    if (SUCCEEDED(result_))
      win::SystemFunction<decltype(::CoUninitialize)>(kCom, "CoUninitialize")();
  }
  Apartment(const Apartment&) = delete;
  Apartment& operator=(const Apartment&) = delete;
  // Another apartment kind already there serves as well.
  bool Usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }
  HRESULT Result() const { return result_; }

 private:
  HRESULT result_ = E_FAIL;
};

template <typename Interface>
class ComPointer {
 public:
  ComPointer() = default;
  ~ComPointer() {
    if (pointer_)
      pointer_->Release();
  }
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;
  Interface* operator->() const { return pointer_; }
  Interface** put() { return &pointer_; }
  void** putVoid() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

std::wstring PickerFailureText(HRESULT result) {
  return L"Не удалось открыть выбор папки.\n" +
         win::SystemErrorText(static_cast<unsigned long>(result));
}

}  // namespace

FolderChoice AskForFolder(HWND owner) {
  const Apartment apartment;
  if (!apartment.Usable())
    return {{}, PickerFailureText(apartment.Result())};
  const auto create =
      win::RequireSystemFunction<decltype(::CoCreateInstance)>(kCom, "CoCreateInstance");
  ComPointer<IFileOpenDialog> dialog;
  HRESULT result = create(kFileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IFileOpenDialog),
                          dialog.putVoid());
  if (FAILED(result))
    return {{}, PickerFailureText(result)};
  FILEOPENDIALOGOPTIONS options = 0;
  dialog->GetOptions(&options);
  dialog->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
  dialog->SetTitle(L"Папка с видео");
  result = dialog->Show(owner);
  if (result == HRESULT_FROM_WIN32(ERROR_CANCELLED))
    return {};
  ComPointer<IShellItem> item;
  if (SUCCEEDED(result))
    result = dialog->GetResult(item.put());
  wchar_t* name = nullptr;
  if (SUCCEEDED(result))
    result = item->GetDisplayName(SIGDN_FILESYSPATH, &name);
  if (FAILED(result))
    return {{}, PickerFailureText(result)};
  FolderChoice choice{name, {}};
  win::SystemFunction<decltype(::CoTaskMemFree)>(kCom, "CoTaskMemFree")(name);
  return choice;
}

}  // namespace vintrel
