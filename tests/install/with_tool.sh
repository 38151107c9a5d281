#!/bin/sh
# with_tool.sh TOOL ARGS...: runs TOOL, or skips (77) when it is not installed.
if ! command -v "$1" >/dev/null 2>&1; then
  echo "$1 is not installed (./scripts/test installs it)"
  exit 77
fi
exec "$@"
