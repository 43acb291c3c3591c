#pragma once
#include <memory>
#include <string>
#include <vector>

class TTheme;

// The themes every screen can name: each theme a .gui file declares joins the list, and the
// default one dresses windows and bars that name none.
class TThemeList {
 public:
  void add(const std::shared_ptr<TTheme>& theme);
  // By id (case-insensitive), the first loaded first; null when none matches.
  std::shared_ptr<TTheme> find(const std::string& id) const;
  void setDefault(const std::shared_ptr<TTheme>& theme) { default_ = theme; }
  const std::shared_ptr<TTheme>& defaultTheme() const { return default_; }

 private:
  std::vector<std::shared_ptr<TTheme>> themes_;
  std::shared_ptr<TTheme> default_;
};
