#include "gui/GuiResourceManager.h"

#include <memory>
#include <new>

#include "framework/MediaSearch.h"
#include "gfxutil/GfxTexture.h"
#include "gui/GuiText.h"

namespace ondrel::gui {
namespace {

constexpr int kNameChars = kGuiNameLength - 1;

template <class T>
void ReleaseAndClear(T*& object) {
    if (object != nullptr) {
        object->Release();
        object = nullptr;
    }
}

template <class Node>
int AppendNode(devicesettings::GrowableArray<Node*>& table, Node* node) {
    if (node == nullptr) return -1;
    if (FAILED(table.Add(node))) {
        delete node;
        return -1;
    }
    return table.GetSize() - 1;
}

std::unique_ptr<GuiResourceManager>& Instance() {
    static std::unique_ptr<GuiResourceManager> instance;
    return instance;
}

}  // namespace

GuiResourceManager::GuiResourceManager() : mediaFinder_(&framework::FindMediaFile) {}

GuiResourceManager::~GuiResourceManager() {
    // Normally the framework's destroy step has released these already.
    OnDeviceLost();
    OnDeviceDestroyed();
    for (GuiTextureNode* node : textures_) delete node;
    for (GuiFontNode* node : fonts_) delete node;
}

int GuiResourceManager::AcquireTexture(LPCWSTR fileName) {
    LPCWSTR name = fileName != nullptr ? fileName : u"";
    for (int i = 0; i < textures_.GetSize(); ++i) {
        if (SameNameIgnoringCase(textures_[i]->fileName, name, kNameChars)) return i;
    }
    auto* node = new (std::nothrow) GuiTextureNode;
    if (node != nullptr) CopyLimitedText(node->fileName, kGuiNameLength, name);
    const int index = AppendNode(textures_, node);
    if (index >= 0 && device_ != nullptr) CreateTexture(index);
    return index;
}

int GuiResourceManager::AcquireFont(LPCWSTR face, LONG height, LONG weight) {
    LPCWSTR name = face != nullptr ? face : u"";
    for (int i = 0; i < fonts_.GetSize(); ++i) {
        const GuiFontNode* node = fonts_[i];
        if (node->height == height && node->weight == weight && SameNameIgnoringCase(node->face, name, kNameChars)) {
            return i;
        }
    }
    auto* node = new (std::nothrow) GuiFontNode;
    if (node != nullptr) {
        CopyLimitedText(node->face, kGuiNameLength, name);
        node->height = height;
        node->weight = weight;
    }
    const int index = AppendNode(fonts_, node);
    if (index >= 0 && device_ != nullptr) CreateFont(index);
    return index;
}

HRESULT GuiResourceManager::OnDeviceCreated(IDirect3DDevice9* device) {
    device_ = device;
    for (int i = 0; i < fonts_.GetSize(); ++i) {
        if (HRESULT hr = CreateFont(i); FAILED(hr)) return hr;
    }
    for (int i = 0; i < textures_.GetSize(); ++i) {
        if (HRESULT hr = CreateTexture(i); FAILED(hr)) return hr;
    }
    ReleaseAndClear(sprite_);
    return GfxCreateSprite(device_, &sprite_);
}

HRESULT GuiResourceManager::OnDeviceReset() {
    for (GuiFontNode* node : fonts_) {
        if (node->font != nullptr) node->font->OnResetDevice();
    }
    if (sprite_ != nullptr) sprite_->OnResetDevice();
    if (device_ == nullptr) return E_FAIL;
    ReleaseAndClear(stateBlock_);
    return device_->CreateStateBlock(D3DSBT_ALL, &stateBlock_);
}

void GuiResourceManager::OnDeviceLost() {
    for (GuiFontNode* node : fonts_) {
        if (node->font != nullptr) node->font->OnLostDevice();
    }
    if (sprite_ != nullptr) sprite_->OnLostDevice();
    ReleaseAndClear(stateBlock_);
}

void GuiResourceManager::OnDeviceDestroyed() {
    device_ = nullptr;
    for (GuiFontNode* node : fonts_) ReleaseAndClear(node->font);
    for (GuiTextureNode* node : textures_) ReleaseAndClear(node->texture);
    ReleaseAndClear(sprite_);
}

GuiTextureNode* GuiResourceManager::GetTextureNode(int index) {
    return index >= 0 && index < textures_.GetSize() ? textures_[index] : nullptr;
}

GuiFontNode* GuiResourceManager::GetFontNode(int index) {
    return index >= 0 && index < fonts_.GetSize() ? fonts_[index] : nullptr;
}

HRESULT GuiResourceManager::CreateFont(int index) {
    GuiFontNode* node = fonts_[index];
    ReleaseAndClear(node->font);
    return GfxCreateFontW(device_, node->height, 0, static_cast<UINT>(node->weight), 1, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, node->face, &node->font);
}

HRESULT GuiResourceManager::CreateTexture(int index) {
    GuiTextureNode* node = textures_[index];
    if (node->fileName[0] == 0) return S_OK;
    ReleaseAndClear(node->texture);
    WCHAR path[kGuiNameLength] = {};
    if (HRESULT hr = mediaFinder_(path, kGuiNameLength, node->fileName); FAILED(hr)) return hr;
    GFXIMAGE_INFO info{};
    const HRESULT hr = GfxCreateTextureFromFileExW(device_, path, GFX_DEFAULT, GFX_DEFAULT, GFX_DEFAULT, 0,
                                                   D3DFMT_UNKNOWN, D3DPOOL_MANAGED, GFX_DEFAULT, GFX_DEFAULT, 0,
                                                   &info, nullptr, &node->texture);
    if (FAILED(hr)) return hr;
    node->width = info.Width;
    node->height = info.Height;
    return S_OK;
}

GuiResourceManager& GetGlobalResourceManager() {
    auto& instance = Instance();
    if (!instance) instance = std::make_unique<GuiResourceManager>();
    return *instance;
}

void ResetGlobalResourceManager() { Instance().reset(); }

}  // namespace ondrel::gui
