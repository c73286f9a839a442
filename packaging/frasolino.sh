#!/bin/sh
# Starts Frasolino from the folder where it is installed together with its data.
exec "$(dirname "$(readlink -f "$0")")/../lib/frasolino/frasolino" "$@"
