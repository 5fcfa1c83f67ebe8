#ifndef CEFSIM_SRC_MENU_MENU_MODEL_IMPL_H_
#define CEFSIM_SRC_MENU_MENU_MODEL_IMPL_H_

#include <vector>

#include "include/cef_menu_model.h"

namespace cefsim {

// A menu's items in order. Lookups by command id take the first item with that id; an index
// or id that names no item makes the operation fail (false, -1, empty or null), as the
// engine's does. The engine fills and reads it on the UI thread only, so it takes no lock.
class MenuModelImpl : public CefMenuModel {
 public:
  explicit MenuModelImpl(bool is_submenu = false) : is_submenu_(is_submenu) {}

  // CefMenuModel methods:
  bool IsSubMenu() override { return is_submenu_; }
  bool Clear() override;
  int GetCount() override { return static_cast<int>(items_.size()); }
  bool AddSeparator() override;
  bool AddItem(int command_id, const CefString& label) override;
  bool AddCheckItem(int command_id, const CefString& label) override;
  bool AddRadioItem(int command_id, const CefString& label, int group_id) override;
  CefRefPtr<CefMenuModel> AddSubMenu(int command_id, const CefString& label) override;
  bool InsertSeparatorAt(int index) override;
  bool InsertItemAt(int index, int command_id, const CefString& label) override;
  bool InsertCheckItemAt(int index, int command_id, const CefString& label) override;
  bool InsertRadioItemAt(int index, int command_id, const CefString& label,
                         int group_id) override;
  CefRefPtr<CefMenuModel> InsertSubMenuAt(int index, int command_id,
                                          const CefString& label) override;
  bool Remove(int command_id) override;
  bool RemoveAt(int index) override;
  int GetIndexOf(int command_id) override;
  int GetCommandIdAt(int index) override;
  bool SetCommandIdAt(int index, int command_id) override;
  CefString GetLabel(int command_id) override;
  CefString GetLabelAt(int index) override;
  bool SetLabel(int command_id, const CefString& label) override;
  bool SetLabelAt(int index, const CefString& label) override;
  MenuItemType GetType(int command_id) override;
  MenuItemType GetTypeAt(int index) override;
  int GetGroupId(int command_id) override;
  int GetGroupIdAt(int index) override;
  bool SetGroupId(int command_id, int group_id) override;
  bool SetGroupIdAt(int index, int group_id) override;
  CefRefPtr<CefMenuModel> GetSubMenu(int command_id) override;
  CefRefPtr<CefMenuModel> GetSubMenuAt(int index) override;
  bool IsVisible(int command_id) override;
  bool IsVisibleAt(int index) override;
  bool SetVisible(int command_id, bool visible) override;
  bool SetVisibleAt(int index, bool visible) override;
  bool IsEnabled(int command_id) override;
  bool IsEnabledAt(int index) override;
  bool SetEnabled(int command_id, bool enabled) override;
  bool SetEnabledAt(int index, bool enabled) override;
  bool IsChecked(int command_id) override;
  bool IsCheckedAt(int index) override;
  bool SetChecked(int command_id, bool checked) override;
  bool SetCheckedAt(int index, bool checked) override;
  bool HasAccelerator(int command_id) override;
  bool HasAcceleratorAt(int index) override;
  bool SetAccelerator(int command_id, int key_code, bool shift_pressed, bool ctrl_pressed,
                      bool alt_pressed) override;
  bool SetAcceleratorAt(int index, int key_code, bool shift_pressed, bool ctrl_pressed,
                        bool alt_pressed) override;
  bool RemoveAccelerator(int command_id) override;
  bool RemoveAcceleratorAt(int index) override;
  bool GetAccelerator(int command_id, int& key_code, bool& shift_pressed, bool& ctrl_pressed,
                      bool& alt_pressed) override;
  bool GetAcceleratorAt(int index, int& key_code, bool& shift_pressed, bool& ctrl_pressed,
                        bool& alt_pressed) override;
  bool SetColor(int command_id, cef_menu_color_type_t color_type, cef_color_t color) override;
  bool SetColorAt(int index, cef_menu_color_type_t color_type, cef_color_t color) override;
  bool GetColor(int command_id, cef_menu_color_type_t color_type, cef_color_t& color) override;
  bool GetColorAt(int index, cef_menu_color_type_t color_type, cef_color_t& color) override;
  bool SetFontList(int command_id, const CefString& font_list) override;
  bool SetFontListAt(int index, const CefString& font_list) override;

 private:
  struct Accelerator {
    int key_code = 0;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
  };
  struct Item {
    int command_id = -1;
    CefString label;
    MenuItemType type = MENUITEMTYPE_NONE;
    int group_id = -1;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    bool has_accelerator = false;
    Accelerator accelerator;
    CefRefPtr<MenuModelImpl> submenu;
  };

  bool Insert(int index, Item item);
  Item* At(int index);
  int IndexOf(int command_id) const;

  const bool is_submenu_;
  std::vector<Item> items_;

  IMPLEMENT_REFCOUNTING(MenuModelImpl);
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_MENU_MENU_MODEL_IMPL_H_
