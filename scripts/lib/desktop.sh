# The Debian tools that check the desktop entry, the metainfo and the .deb
# (desktop-file-validate, appstreamcli, dpkg-shlibdeps, file).
VELMORA_DESKTOP_PACKAGES=(desktop-file-utils appstream dpkg-dev file)

ensure_desktop_packages() {
  ensure_packages "${VELMORA_DESKTOP_PACKAGES[@]}"
}
