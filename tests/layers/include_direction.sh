#!/usr/bin/env bash
# Fails when an #include in a program folder points up or sideways into
# another layer: each folder may include its own headers and those of the
# layers below it, never those of its own layer's other folders or above.
#
#   include_direction.sh SOURCE_DIR
set -euo pipefail
root=${1:?usage: include_direction.sh SOURCE_DIR}

# The layers, bottom first; folders on one line are one layer.
layers=(
  "platform"
  "core"
  "audio display screens"
  "gallery"
  "palette"
  "canvas"
  "app"
)

declare -A rank
for i in "${!layers[@]}"; do
  for folder in ${layers[$i]}; do rank[$folder]=$i; done
done

faults=0
for folder in "${!rank[@]}"; do
  [[ -d $root/$folder ]] || continue
  while IFS=: read -r file line text; do
    target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<<"$text")
    [[ -n ${rank[$target]+set} && $target != "$folder" ]] || continue
    if ((rank[$target] >= rank[$folder])); then
      echo "${file#"$root"/}:$line: $folder/ includes $target/, which points up or sideways: $text"
      faults=$((faults + 1))
    fi
  done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]+/' "$root/$folder" || true)
done

if ((faults)); then
  order=$(printf ' | %s' "${layers[@]}")
  echo "$faults include(s) against the layers; bottom first they are: ${order:3}"
  exit 1
fi
echo "every include points down"
