// SPDX-License-Identifier: MIT
// Owns the sound: the page's Web Audio, started by the player's first touch, the cues the game hands over
// once each, and the one cue sounding, the newest winning.

let audio = null;
const cues = new Map();
let sounding = null;

// Browsers let a page sound only after the player has touched it: the first tap or key starts the audio.
export function unlockAudio() {
  try {
    if (!audio) audio = new AudioContext();
    if (audio.state === 'suspended') audio.resume().catch(() => {});
  } catch (e) {
    audio = false; // no Web Audio: the game plays on silently
  }
}

// A cue's samples, channel after channel, kept under its key.
export function keepCue({ key, samples, channels, rate }) {
  cues.set(key, { samples: new Float32Array(samples), channels, rate });
}

// A cue asked for while the audio is still starting (some browsers take a moment after the first tap)
// sounds as soon as it has started.
export function playCue({ key, fileName }) {
  const cue = cues.get(key);
  if (!audio || !cue || audio.state === 'closed') return;
  if (audio.state !== 'running') audio.resume().catch(() => {});
  try {
    if (!cue.buffer) {
      const frames = cue.samples.length / cue.channels;
      cue.buffer = audio.createBuffer(cue.channels, frames, cue.rate);
      for (let ch = 0; ch < cue.channels; ++ch) {
        cue.buffer.copyToChannel(cue.samples.subarray(ch * frames, (ch + 1) * frames), ch);
      }
    }
    if (sounding) sounding.stop();
    const source = audio.createBufferSource();
    source.buffer = cue.buffer;
    source.connect(audio.destination);
    source.onended = () => { if (sounding === source) sounding = null; };
    source.cue = fileName;
    source.start();
    sounding = source;
  } catch (e) {
    // A cue the device cannot take is left out; the game goes on.
  }
}
