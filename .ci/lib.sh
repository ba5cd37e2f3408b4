# Helpers shared by the CI scripts.

# Installs the named Debian packages that are not installed yet.
apt_install() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  ((${#missing[@]})) || return 0
  if [[ -z "${AICONV_APT_UPDATED:-}" ]]; then
    apt-get update -q
    AICONV_APT_UPDATED=1
  fi
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    -o DPkg::Lock::Timeout=600 "${missing[@]}"
}
