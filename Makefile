# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up commands of Mirobelt.
#   make run   installs what is missing, builds, starts the simulator in run/
#   make test  installs what is missing, builds, runs every test
# and, to install it like any other program:
#   make package  builds the Debian package build/mirobelt_<version>-<revision>_<arch>.deb
#                 (PACKAGE_MAINTAINER="Name <address>" sets its maintainer)
#   make translations  gathers the program's texts into translations/*.ts (lupdate)

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
PACKAGES = cmake g++ make qt6-base-dev qt6-svg-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools libgl-dev libgtest-dev libgmock-dev libbenchmark-dev poppler-utils
# What the package needs besides: dpkg-shlibdeps and file find its dependencies,
# the others check its contents (.ci/check-package).
PACKAGE_TOOLS = file dpkg-dev desktop-file-utils appstream groff-base lintian
PACKAGE_MAINTAINER ?=

.PHONY: deps build run test package bench translations clean

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  SUDO=""; [ "$$(id -u)" = 0 ] || SUDO=sudo; \
	  $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  $(if $(PACKAGE_MAINTAINER),-DMIROBELT_PACKAGE_MAINTAINER="$(PACKAGE_MAINTAINER)")
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	mkdir -p run
	cp -n data/* run/ 2>/dev/null || true
	cd run && ../$(BUILD_DIR)/mirobelt

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

package: build
	@$(MAKE) --no-print-directory deps PACKAGES="$(PACKAGE_TOOLS)"
	cmake --build $(BUILD_DIR) --target package

bench: build
	$(BUILD_DIR)/mirobelt_bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/mirobelt_bench_gui

translations: build
	cmake --build $(BUILD_DIR) --target update_translations

clean:
	rm -rf $(BUILD_DIR)
