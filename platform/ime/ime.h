// Input methods: the installed soft input methods and the Hangul composer.
#pragma once
