#!/usr/bin/env bash
# Installs what is missing, builds, writes sample MX730 files into ./sample
# and starts kestra_std (or kestra_ue with the argument "ue") there.
set -euo pipefail
cd "$(dirname "$0")/.."
program=kestra_std
profile=std
if [[ "${1:-}" == "ue" ]]; then program=kestra_ue; profile=ue; fi
tools/deps.sh
tools/build.sh
mkdir -p "sample/$profile"
if [[ ! -e "sample/$profile/FAKT03.DAT" ]]; then
  build/tools/kestra_samples --profile "$profile" "sample/$profile"
fi
cd "sample/$profile"
exec "../../build/src/app/$program"
